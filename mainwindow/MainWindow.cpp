// The main window's build hooks, the four window events
// and the menu commands that belong to the window itself.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/Application.h"
#include "framework/Printing.h"
#include "framework/Runtime.h"
#include "printing/PrintInfoWindow.h"
#include "printing/RecordListPrintout.h"
#include "search/SearchWindow.h"

using namespace fw::literals;

MainWindow::MainWindow() = default;

// --- build hooks -------------------------------------------------------

void MainWindow::Layout() {
  SetMenuBar(&MenuBar1::SharedInstance());
  SetDesign({.title = u"Aufnahmen"_s,
             .width = 800,
             .height = 600,
             .minWidth = 800,
             .minHeight = 480,
             .maxWidth = 800,
             .maxHeight = 32000,
             .closeButton = true,
             .resizeable = true,
             .minimizeButton = true,
             .maximizeButton = false,
             .visible = true,
             .menuBarVisible = true});
}

void MainWindow::CreateControls() {
  CreateControlsFrom(ControlDeclaration());
  BindEvents(EventBindings());
}

void MainWindow::AddMenuHandlers() {
  AddMenuHandler(u"FileImportData"_s, [this] { return FileImportData_Action(); });
  AddMenuHandler(u"FileExportData"_s, [this] { return FileExportData_Action(); });
  AddMenuHandler(u"FilePrint"_s, [this] { return FilePrint_Action(); });
  AddMenuHandler(u"FileClose"_s, [this] { return FileClose_Action(); });
  AddMenuHandler(u"FileSearch"_s, [this] { return FileSearch_Action(); });
  AddMenuHandler(u"FilePrintInfo"_s, [this] { return FilePrintInfo_Action(); });
  AddMenuHandler(u"FilePageSetup"_s, [this] { return FilePageSetup_Action(); });
  AddMenuHandler(u"EditSelectAll"_s, [this] { return EditSelectAll_Action(); });
  AddMenuHandler(u"EditNew"_s, [this] { return EditNew_Action(); });
  AddMenuHandler(u"EditDuplicate"_s, [this] { return EditDuplicate_Action(); });
}

// --- window events -----------------------------------------------------

void MainWindow::Event_Open() {
  ReadPrefs();
  App::SharedInstance().p = std::make_unique<fw::PrinterSetup>();
  today = fw::Date::Now();
  UpdateRecList();
  FillOptionPopups();
}

void MainWindow::Event_Close() {
  WritePrefs();
  fw::Quit(0);
}

void MainWindow::Event_Activate() {
  MenuBar1::Item(u"EditSelectAll"_s).SetText(u"Alle Datensätze"_s);
}

void MainWindow::Event_EnableMenuItems() {
  MenuBar1::Item(u"FileClose"_s).SetEnabled(true);
  MenuBar1::Item(u"FilePageSetup"_s).SetEnabled(true);
  MenuBar1::Item(u"EditNew"_s).SetEnabled(true);
  MenuBar1::Item(u"EditSelectAll"_s).SetEnabled(!SearchWindow::SharedInstance().filter.isEmpty());
}

// --- menu commands -----------------------------------------------------

bool MainWindow::FileClose_Action() {
  Close();
  return true;
}

bool MainWindow::FileSearch_Action() {
  SearchWindow::SharedInstance().Show();
  return true;
}

bool MainWindow::FilePrint_Action() {
  RecordListPrintout(*this);
  return true;
}

bool MainWindow::FilePrintInfo_Action() {
  PrintInfoWindow::SharedInstance().Show();
  return true;
}

bool MainWindow::FilePageSetup_Action() { return App::SharedInstance().p->PageSetupDialog(); }
