#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::RecList_Change(fw::Listbox&) {}
fw::Integer MainWindow::FindTon(const fw::String&) { return -1; }
fw::Integer MainWindow::FindSystem(const fw::String&) { return -1; }
void MainWindow::ClearFields(bool) {}
void MainWindow::NewBtn_Action(fw::PushButton&) {}
void MainWindow::CopyBtn_Action(fw::PushButton&) {}
bool MainWindow::EditNew_Action() { return true; }
bool MainWindow::EditDuplicate_Action() { return true; }
