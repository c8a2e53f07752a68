#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::UpdateRecList() {}
void MainWindow::PopulateListBox(fw::Listbox&, fw::RecordSet&) {}
void MainWindow::ApplyOptionSort(fw::Listbox&) {}
bool MainWindow::RecList_CompareRows(fw::Listbox&, fw::Integer, fw::Integer, fw::Integer, fw::Integer&) { return false; }
fw::Integer MainWindow::DateAsInt(const fw::String&) const { return 0; }
void MainWindow::ShowID_Action(fw::CheckBox&) {}
void MainWindow::RecList_Open(fw::Listbox&) {}
void MainWindow::SortOnOpen_Action(fw::CheckBox&) {}
void MainWindow::SortOption_Change(fw::PopupMenu&) {}
void MainWindow::SearchBtn_Action(fw::PushButton&) {}
void MainWindow::ClearSearch_Action(fw::PushButton&) {}
bool MainWindow::EditSelectAll_Action() { return true; }
