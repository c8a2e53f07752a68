// The options tab: the tab switch that carries the preset lists between the
// record form and the options pop-ups, and the "-", "+" and "Vorgabe"
// buttons of the two lists.

#include "mainwindow/MainWindow.h"
#include "mainwindow/PresetLists.h"

using namespace fw::literals;

namespace {

constexpr fw::Integer kOptionsPage = 1;

// Removes the selected entry and selects the one before it (none after the
// first). Without a selection there is nothing to remove.
void DeleteSelected(fw::PopupMenu& list) {
  const fw::Integer i = list.ListIndex();
  if (i < 0) return;
  list.RemoveRow(i);
  list.SetListIndex(i - 1);
}

// Appends the field's text, unselected, and empties the field. A lone "-"
// becomes an en dash.
void AddEntry(fw::PopupMenu& list, fw::TextField& field) {
  const fw::String text = field.Text();
  list.AddRow(text == u"-"_s ? u"\u2013"_s : presets::OneLine(text));
  field.SetText(fw::String());
}

}  // namespace

void MainWindow::FillOptionPopups() {
  presets::CopyEntries(AufnSystem(), SysMenuPref());
  SysMenuPref().SetListIndex(DefSys);
  presets::CopyEntries(AufnTon(), TonMenuPref());
  TonMenuPref().SetListIndex(DefTon);
}

// The refill alone would leave the form without a selection, and the next
// save of the shown record would store an empty value; so the entry shown
// before is selected again, appended when it was deleted on the tab.
void MainWindow::RefillFormPopup(fw::PopupMenu& form, const fw::PopupMenu& options,
                                 fw::Integer (MainWindow::*find)(const fw::String&)) {
  const bool hadSelection = form.ListIndex() >= 0;
  const fw::String shown = form.Text();
  presets::CopyEntries(options, form);
  if (hadSelection) form.SetListIndex((this->*find)(shown));
}

void MainWindow::TabView_Change(fw::TabPanel& me) {
  if (me.Value() == kOptionsPage) {
    FillOptionPopups();
    lastsort = SortOnOpen().Value();
    return;
  }
  RefillFormPopup(AufnSystem(), SysMenuPref(), &MainWindow::FindSystem);
  RefillFormPopup(AufnTon(), TonMenuPref(), &MainWindow::FindTon);
  if (SortOnOpen().Value() && !lastsort) ApplyOptionSort(RecList());
}

void MainWindow::SysMenuDelete_Action(fw::BevelButton&) { DeleteSelected(SysMenuPref()); }
void MainWindow::SysMenuAdd_Action(fw::BevelButton&) { AddEntry(SysMenuPref(), SysMenuText()); }
void MainWindow::SysMenuDef_Action(fw::PushButton&) { DefSys = SysMenuPref().ListIndex(); }

void MainWindow::TonMenuDelete_Action(fw::BevelButton&) { DeleteSelected(TonMenuPref()); }
void MainWindow::TonMenuAdd_Action(fw::BevelButton&) { AddEntry(TonMenuPref(), TonMenuText()); }
void MainWindow::TonMenuDef_Action(fw::PushButton&) { DefTon = TonMenuPref().ListIndex(); }
