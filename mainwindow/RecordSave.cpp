#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::AufnSchnitt_LostFocus(fw::TextField&) {}
void MainWindow::AufnFertig_LostFocus(fw::TextField&) {}
void MainWindow::BackupDat_LostFocus(fw::TextField&) {}
bool MainWindow::CheckRequiredFields(const std::vector<fw::TextField*>&, const std::vector<fw::String>&) { return false; }
void MainWindow::UpdateData() {}
void MainWindow::UpdateBtn_Action(fw::PushButton&) {}
