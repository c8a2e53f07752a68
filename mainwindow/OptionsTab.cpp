#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::TabView_Change(fw::TabPanel&) {}
void MainWindow::SysMenuDelete_Action(fw::BevelButton&) {}
void MainWindow::SysMenuAdd_Action(fw::BevelButton&) {}
void MainWindow::SysMenuDef_Action(fw::PushButton&) {}
void MainWindow::TonMenuDef_Action(fw::PushButton&) {}
void MainWindow::TonMenuDelete_Action(fw::BevelButton&) {}
void MainWindow::TonMenuAdd_Action(fw::BevelButton&) {}
