#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::DeleteBtn_Action(fw::PushButton&) {}
bool MainWindow::ConfirmDelete(const fw::String&) { return false; }
void MainWindow::RecList_DoubleClick(fw::Listbox&) {}
