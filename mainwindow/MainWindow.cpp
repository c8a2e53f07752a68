// The main window's build hooks, its event bindings, the four window events
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
using fw::Bind;

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

void MainWindow::CreateControls() { CreateControlsFrom(ControlDeclaration()); }

void MainWindow::BindControlEvents(fw::Control& c) {
  using M = MainWindow;
  const fw::String name = c.Name();
  if (name == u"TabView") {
    Bind(*this, c, &fw::TabPanel::Change, &M::TabView_Change);
  } else if (name == u"RecList") {
    Bind(*this, c, &fw::Listbox::Change, &M::RecList_Change);
    Bind(*this, c, &fw::Listbox::Open, &M::RecList_Open);
    Bind(*this, c, &fw::Listbox::DoubleClick, &M::RecList_DoubleClick);
    auto& list = dynamic_cast<fw::Listbox&>(c);
    list.CompareRows = [this, &list](fw::Integer row1, fw::Integer row2, fw::Integer column,
                                     fw::Integer& result) {
      return RecList_CompareRows(list, row1, row2, column, result);
    };
    list.SortKey = [this, &list](fw::Integer row, fw::Integer column) {
      return RecList_SortKey(list, row, column);
    };
  } else if (name == u"ShowID") {
    Bind(*this, c, &fw::CheckBox::Action, &M::ShowID_Action);
  } else if (name == u"SortOnOpen") {
    Bind(*this, c, &fw::CheckBox::Action, &M::SortOnOpen_Action);
  } else if (name == u"SortOption") {
    Bind(*this, c, &fw::PopupMenu::Change, &M::SortOption_Change);
  } else if (name == u"SysMenuDelete") {
    Bind(*this, c, &fw::BevelButton::Action, &M::SysMenuDelete_Action);
  } else if (name == u"SysMenuAdd") {
    Bind(*this, c, &fw::BevelButton::Action, &M::SysMenuAdd_Action);
  } else if (name == u"SysMenuDef") {
    Bind(*this, c, &fw::PushButton::Action, &M::SysMenuDef_Action);
  } else if (name == u"TonMenuDef") {
    Bind(*this, c, &fw::PushButton::Action, &M::TonMenuDef_Action);
  } else if (name == u"TonMenuDelete") {
    Bind(*this, c, &fw::BevelButton::Action, &M::TonMenuDelete_Action);
  } else if (name == u"TonMenuAdd") {
    Bind(*this, c, &fw::BevelButton::Action, &M::TonMenuAdd_Action);
  } else if (name == u"SearchBtn") {
    Bind(*this, c, &fw::PushButton::Action, &M::SearchBtn_Action);
  } else if (name == u"DeleteBtn") {
    Bind(*this, c, &fw::PushButton::Action, &M::DeleteBtn_Action);
  } else if (name == u"NewBtn") {
    Bind(*this, c, &fw::PushButton::Action, &M::NewBtn_Action);
  } else if (name == u"AufnSchnitt") {
    Bind(*this, c, &fw::TextField::LostFocus, &M::AufnSchnitt_LostFocus);
  } else if (name == u"AufnFertig") {
    Bind(*this, c, &fw::TextField::LostFocus, &M::AufnFertig_LostFocus);
  } else if (name == u"UpdateBtn") {
    Bind(*this, c, &fw::PushButton::Action, &M::UpdateBtn_Action);
  } else if (name == u"BackupDat") {
    Bind(*this, c, &fw::TextField::LostFocus, &M::BackupDat_LostFocus);
  } else if (name == u"ClearSearch") {
    Bind(*this, c, &fw::PushButton::Action, &M::ClearSearch_Action);
  } else if (name == u"CopyBtn") {
    Bind(*this, c, &fw::PushButton::Action, &M::CopyBtn_Action);
  }
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

fw::MenuItem& MainWindow::MenuItemNamed(const fw::String& name) const {
  fw::MenuItem* item = MenuBar() ? MenuBar()->FindItem(name) : nullptr;
  if (!item) throw fw::NilObjectException(u"no menu item "_s + name);
  return *item;
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
  MenuItemNamed(u"EditSelectAll"_s).SetText(u"Alle Datensätze"_s);
}

void MainWindow::Event_EnableMenuItems() {
  MenuItemNamed(u"FileClose"_s).SetEnabled(true);
  MenuItemNamed(u"FilePageSetup"_s).SetEnabled(true);
  MenuItemNamed(u"EditNew"_s).SetEnabled(true);
  MenuItemNamed(u"EditSelectAll"_s).SetEnabled(!SearchWindow::SharedInstance().filter.isEmpty());
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
