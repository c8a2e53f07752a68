// The record form: loading the selected record, emptying the form, and
// preparing a new record or a duplicate of the shown one.
//
// The form's record key is the caption of RecGroupBox: " " for a new record,
// "# " + ID for a stored one. followedID remembers the ID of the list row
// the form last followed, so that a failed load can put the list back there.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/RecordColumns.h"
#include "framework/Database.h"
#include "framework/Runtime.h"

#include <utility>

using namespace fw::literals;
using fw::String;

namespace {

// Delete and duplicate make sense only while a stored record is loaded.
void EnableRecordCommands(MainWindow& w, bool enabled) {
  w.DeleteBtn().SetEnabled(enabled);
  w.CopyBtn().SetEnabled(enabled);
  MenuBar1::Item(u"EditDuplicate"_s).SetEnabled(enabled);
}

// The index of the first entry equal to `s`; a value the pop-up lacks is
// appended, so the next record with it finds the same entry.
fw::Integer IndexOrAppend(fw::PopupMenu& popup, const String& s) {
  for (fw::Integer i = 0; i < popup.ListCount(); ++i) {
    fw::BackgroundTask();
    if (popup.List(i) == s) return i;
  }
  const fw::Integer appended = popup.ListCount();
  popup.AddRow(s);
  return appended;
}

// Puts the stored value of `column` into its control: a flag into its
// check box, a text into its pop-up (appended when the pop-up lacks it) or
// its field, a date into its field in the shown form.
void ShowColumn(MainWindow& w, const RecordColumn& column, fw::DatabaseField& field) {
  if (column.kind == RecordColumn::kFlag) {
    w.Ctl<fw::CheckBox>(column.control).SetValue(field.BooleanValue());
  } else if (auto* popup = dynamic_cast<fw::PopupMenu*>(w.ControlByName(column.control))) {
    popup->SetListIndex(IndexOrAppend(*popup, field.StringValue()));
  } else {
    const String value = field.StringValue();
    w.Ctl<fw::TextField>(column.control)
        .SetText(column.kind == RecordColumn::kDate ? App::ConvertDate(value, 1) : value);
  }
}

}  // namespace

void MainWindow::RecList_Change(fw::Listbox& me) {
  // The selection put back after a failed load: the form shows its record.
  if (puttingSelectionBack) return;
  const bool groupWasEnabled = RecGroupBox().Enabled();
  RecGroupBox().SetEnabled(me.ListIndex() != -1);
  NewBtn().SetEnabled(true);
  if (me.ListIndex() == -1) {
    followedID.reset();
    EnableRecordCommands(*this, false);
    return;
  }

  App& app = App::SharedInstance();
  const String id = me.Cell(me.ListIndex(), 0);
  std::unique_ptr<fw::RecordSet> rs =
      app.KlangDB->SQLSelect(u"SELECT * FROM Aufnahmen WHERE ID = '"_s + id + u"'"_s);
  if (app.KlangDB->Error()) {
    // The form still shows what it showed before the click; a list left on
    // the clicked row would let "Löschen" take a record nobody has seen.
    PutSelectionBack(me);
    RecGroupBox().SetEnabled(groupWasEnabled);
    app.DisplayDatabaseError(false);
    return;
  }
  // The record was removed behind the program's back: keep what the form
  // shows rather than fill it with nothing.
  if (rs->IsEOF()) {
    rs->Close();
    return;
  }
  followedID = id;

  RecGroupBox().SetCaption(u"# "_s + id);
  for (const RecordColumn& column : RecordColumns())
    ShowColumn(*this, column, rs->Field(column.name));
  rs->Close();

  EnableRecordCommands(*this, true);
  UpdateBtn().SetCaption(u"Update"_s);
}

void MainWindow::PutSelectionBack(fw::Listbox& me) {
  fw::Integer row = -1;
  for (fw::Integer r = 0; followedID && r < me.ListCount() && row == -1; ++r) {
    fw::BackgroundTask();
    if (me.Cell(r, 0) == *followedID) row = r;
  }
  const bool was = std::exchange(puttingSelectionBack, true);
  me.SetListIndex(row);
  puttingSelectionBack = was;
}

fw::Integer MainWindow::FindTon(const String& s) { return IndexOrAppend(AufnTon(), s); }

fw::Integer MainWindow::FindSystem(const String& s) { return IndexOrAppend(AufnSystem(), s); }

void MainWindow::ClearFields(bool all) {
  RecGroupBox().SetCaption(u" "_s);
  if (all) {
    for (fw::TextField* field : {&ProdNummer(), &AufnTitel(), &AufnInterpret(), &AufnRed(),
                                 &AufnOrt(), &AufnBackup(), &AufnBemerkung(), &AufnTechnik()}) {
      fw::BackgroundTask();
      field->SetText(String());
    }
    AufnSurr().SetValue(false);
    BelegCD().SetValue(false);
    AufnTon().SetListIndex(DefTon);
    AufnSystem().SetListIndex(DefSys);
  }
  for (fw::TextField* field : {&AufnDatum(), &AufnSchnitt(), &AufnFertig(), &BackupDat()}) {
    fw::BackgroundTask();
    field->SetText(String());
  }
}

void MainWindow::NewBtn_Action(fw::PushButton&) {
  ClearFields(true);
  RecList().SetListIndex(-1);
  EnableRecordCommands(*this, false);
  RecGroupBox().SetEnabled(true);
  UpdateBtn().SetCaption(u"Sichern"_s);
  AufnDatum().SetText(today.AbbreviatedDate());
  ProdNummer().SetFocus();
}

void MainWindow::CopyBtn_Action(fw::PushButton&) {
  // Only the caption and the dates go: the save then inserts a new row.
  ClearFields(false);
  RecGroupBox().SetEnabled(true);
  UpdateBtn().SetCaption(u"Sichern"_s);
  AufnDatum().SetText(today.AbbreviatedDate());
  ProdNummer().SetFocus();
}

bool MainWindow::EditNew_Action() {
  NewBtn().Push();
  return true;
}

bool MainWindow::EditDuplicate_Action() {
  CopyBtn().Push();
  return true;
}
