#include "mainwindow/MainWindow.h"

// Not built yet.
void MainWindow::ReadPrefs() {}
void MainWindow::WritePrefs() {}
