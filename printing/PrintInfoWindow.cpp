// The print selection window's build hooks, its list, its activation and
// its menu commands.

#include "printing/PrintInfoWindow.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/Printing.h"
#include "framework/Runtime.h"
#include "mainwindow/MainWindow.h"

using namespace fw::literals;

// --- build hooks -------------------------------------------------------

void PrintInfoWindow::Layout() {
  // No bar of its own: the application's shared one, shown in this window.
  SetMenuBar(fw::Application::Instance()->MenuBar());
  SetDesign({.title = u"Vollinfo Drucken"_s,
             .width = 800,
             .height = 400,
             .minWidth = 800,
             .minHeight = 400,
             .maxWidth = 800,
             .maxHeight = 400,
             .closeButton = true,
             .resizeable = false,
             .minimizeButton = false,
             .maximizeButton = false,
             .visible = true,
             .menuBarVisible = true});
}

void PrintInfoWindow::CreateControls() {
  CreateControlsFrom(ControlDeclaration());
  BindEvents(EventBindings());
}

void PrintInfoWindow::AddMenuHandlers() {
  AddMenuHandler(u"FileClose"_s, [this] { return FileClose_Action(); });
  AddMenuHandler(u"FilePageSetup"_s, [this] { return FilePageSetup_Action(); });
  AddMenuHandler(u"FilePrint"_s, [this] { return FilePrint_Action(); });
}

// --- the list ------------------------------------------------------------

// Sorted as the main list is: both lists have the same columns.
bool PrintInfoWindow::RecList2_CompareRows(fw::Listbox& me, fw::Integer row1, fw::Integer row2,
                                           fw::Integer column, fw::Integer& result) {
  return MainWindow::SharedInstance().RecList_CompareRows(me, row1, row2, column, result);
}

std::optional<long long> PrintInfoWindow::RecList2_SortKey(const fw::Listbox& me, fw::Integer row,
                                                           fw::Integer column) const {
  return MainWindow::SharedInstance().RecList_SortKey(me, row, column);
}

void PrintInfoWindow::RecList2_Change(fw::Listbox& me) {
  const bool any = me.ListIndex() > -1;
  PrintInfo().SetEnabled(any);
  MenuBar1::Item(u"FilePrint"_s).SetEnabled(any);
}

void PrintInfoWindow::RecList2_Open(fw::Listbox& me) {
  PrintInfo().SetEnabled(me.ListIndex() > -1);
}

void PrintInfoWindow::PrintCancel_Action(fw::PushButton&) { Close(); }

// --- window events -----------------------------------------------------

// The list refilled from the main window's last list query at every
// activation. A failure closes the window before it is reported, so the
// activation that follows the message finds the window gone.
void PrintInfoWindow::Event_Activate() {
  MenuBar1::Item(u"EditSelectAll"_s).SetText(u"Alle Auswählen"_s);
  App& app = App::SharedInstance();
  MainWindow& main = MainWindow::SharedInstance();
  std::unique_ptr<fw::RecordSet> rs = app.KlangDB->SQLSelect(main.sql);
  if (app.KlangDB->Error()) {
    Close();
    app.DisplayDatabaseError(false);
    return;
  }
  if (!rs) {
    Close();
    MainWindow::ShowEmptyListMessage();
    return;
  }
  main.PopulateListBox(RecList2(), *rs);
  rs->Close();
  // The row position is taken over, not the recording.
  if (main.KeepSel().Value()) RecList2().SetListIndex(main.RecList().ListIndex());
  RecList2().SetFocus();
}

void PrintInfoWindow::Event_EnableMenuItems() {
  MenuBar1::Item(u"FileClose"_s).SetEnabled(true);
  MenuBar1::Item(u"EditSelectAll"_s).SetEnabled(true);
  MenuBar1::Item(u"FilePageSetup"_s).SetEnabled(true);
}

// --- menu commands -----------------------------------------------------

bool PrintInfoWindow::FileClose_Action() {
  Close();
  return true;
}

bool PrintInfoWindow::FilePageSetup_Action() { return App::SharedInstance().p->PageSetupDialog(); }

bool PrintInfoWindow::FilePrint_Action() {
  PrintInfo().Push();
  return true;
}
