// Saving the record form: the date checks of the three secondary date
// fields, the validation, and the insert or update.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "app/RecordColumns.h"
#include "framework/Database.h"
#include "framework/Dialogs.h"
#include "framework/Runtime.h"

#include <optional>

using namespace fw::literals;
using fw::EndOfLine;
using fw::String;

namespace {

// The outcome of a date field's check: whether the text was rejected, or
// nothing when the field is exempt (empty, or a joker word where allowed),
// so that an earlier verdict stands.
std::optional<bool> DateRejected(const String& text, bool jokersAllowed, fw::Date& into) {
  if (text.isEmpty()) return std::nullopt;
  if (jokersAllowed && (text == u"ja"_s || text == u"ok"_s)) return std::nullopt;
  return !fw::ParseDate(text, into);
}

// One column of Aufnahmen as the form gives it.
struct ColumnValue {
  String column;
  String text;
  std::optional<bool> flag;  // set for the two boolean columns
};

// The text of a column's field or pop-up, as typed or chosen.
String FormText(MainWindow& w, const String& control) {
  if (auto* popup = dynamic_cast<fw::PopupMenu*>(w.ControlByName(control))) return popup->Text();
  return w.Ctl<fw::TextField>(control).Text();
}

// The sixteen columns in table order, without ID; the insert and the update
// store the same values. `recordingDate` is the stored form of the
// recognised recording date.
std::vector<ColumnValue> FormValues(MainWindow& w, const String& recordingDate) {
  std::vector<ColumnValue> values;
  const std::array<RecordColumn, 16>& columns = RecordColumns();
  for (size_t i = 0; i < columns.size(); ++i) {
    const RecordColumn& column = columns[i];
    if (column.kind == RecordColumn::kFlag) {
      values.push_back({column.name, {}, w.Ctl<fw::CheckBox>(column.control).Value()});
    } else {
      values.push_back({column.name,
                        i == kRecordingDateColumn ? recordingDate : FormText(w, column.control),
                        {}});
    }
  }
  return values;
}

// True when the last database call failed; then the message is shown. The
// save opens no transaction of its own, so the rollback that goes with the
// message ends only one left open by someone else.
bool Failed(App& app) {
  if (!app.KlangDB->Error()) return false;
  app.DisplayDatabaseError(true);
  return true;
}

}  // namespace

void MainWindow::AufnSchnitt_LostFocus(fw::TextField& me) {
  if (auto rejected = DateRejected(me.Text(), false, editdate)) FalseDate = *rejected;
}

void MainWindow::AufnFertig_LostFocus(fw::TextField& me) {
  if (auto rejected = DateRejected(me.Text(), true, finaldate)) FalseDate = *rejected;
}

void MainWindow::BackupDat_LostFocus(fw::TextField& me) {
  if (auto rejected = DateRejected(me.Text(), true, bupdate)) FalseDate = *rejected;
}

bool MainWindow::CheckRequiredFields(const std::vector<fw::TextField*>& fields,
                                     const std::vector<String>& names) {
  fw::MessageDialog dialog;
  dialog.ActionButton.Caption = u"OK"_s;
  dialog.CancelButton.Visible = false;
  dialog.Message = u"Unvollständige Eingabe"_s;
  dialog.Explanation = u"Bittte füllen Sie mind. die folgenden Felder aus: "_s;

  bool incomplete = false;
  if (fw::ParseDate(AufnDatum().Text(), recdate) && !FalseDate) {
    for (size_t i = 0; i < fields.size(); ++i) {
      fw::BackgroundTask();
      if (fields[i]->Text().isEmpty()) {
        dialog.Explanation += EndOfLine + u"     - "_s + names[i];
        incomplete = true;
      }
    }
  } else {
    dialog.Explanation = (FalseDate ? u"Ein "_s : u"Das Aufn."_s) + u"Datum wurde nicht erkannt"_s +
                         EndOfLine + u"Bitte verwenden Sie TT.MM.YY"_s + EndOfLine +
                         u"(Das Jahr darf auch 4-stellig sein)"_s;
    FalseDate = false;
    incomplete = true;
  }
  if (incomplete) dialog.ShowModal();
  return !incomplete;
}

void MainWindow::UpdateData() {
  if (!CheckRequiredFields({&ProdNummer(), &AufnTitel(), &AufnInterpret(), &AufnRed(), &AufnOrt()},
                           {u"ProdNr"_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s, u"Ort"_s}))
    return;

  App& app = App::SharedInstance();
  fw::SQLiteDatabase& db = *app.KlangDB;
  const std::vector<ColumnValue> values = FormValues(*this, recdate.SQLDate());
  fw::Integer position = 0;
  const String caption = RecGroupBox().Caption();
  const bool isNew = caption == u" "_s;

  if (isNew) {
    fw::DatabaseRecord record;
    for (const ColumnValue& v : values) {
      fw::BackgroundTask();
      if (v.flag) {
        record.BooleanColumn(v.column, *v.flag);
      } else {
        record.Column(v.column, v.text);
      }
    }
    db.InsertRecord(u"Aufnahmen"_s, record);
    if (Failed(app)) return;
  } else {
    const String id = fw::Right(caption, fw::Len(caption) - 2);
    std::unique_ptr<fw::RecordSet> rs =
        db.SQLSelect(u"SELECT * FROM Aufnahmen WHERE ID = '"_s + App::EscapeSQLData(id) + u"'"_s);
    if (Failed(app)) return;
    // A record deleted meanwhile fails here, so it is reported, not lost.
    rs->Edit();
    if (Failed(app)) return;
    for (const ColumnValue& v : values) {
      fw::BackgroundTask();
      if (v.flag) {
        rs->Field(v.column).SetBooleanValue(*v.flag);
      } else {
        rs->Field(v.column).SetStringValue(v.text);
      }
    }
    rs->Update();
    if (Failed(app)) return;
    position = RecList().ListIndex();
  }

  // Outside a transaction the insert or update is in the file once it has
  // succeeded, and this commit does nothing. Within a transaction left open
  // it is what makes the record stay, so it is checked on purpose, although
  // the save has always taken it on trust: the form keeps what was typed
  // until the record is really stored, and the save can be tried again.
  db.Commit();
  if (Failed(app)) return;
  if (isNew) ClearFields(true);

  UpdateRecList();
  if (KeepSel().Value()) {
    // Selecting loads the row and enables the form, so disabling comes last.
    RecList().SetListIndex(position);
    RecList().SetFocus();
    RecGroupBox().SetEnabled(false);
  }
}

void MainWindow::UpdateBtn_Action(fw::PushButton&) { UpdateData(); }
