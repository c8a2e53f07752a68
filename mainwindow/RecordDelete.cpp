// Deleting the record selected in the list, in a transaction of its own.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/Dialogs.h"

using namespace fw::literals;
using fw::String;

void MainWindow::DeleteBtn_Action(fw::PushButton&) {
  // A double-click on the empty area pushes the button with nothing
  // selected; without an ID there is nothing to ask about or to open a
  // transaction for.
  if (RecList().ListIndex() == -1) return;
  if (ConfirmDlog().Value() && !ConfirmDelete(u"Aufnahme"_s)) return;

  App& app = App::SharedInstance();
  fw::SQLiteDatabase& db = *app.KlangDB;
  // Ends in a rollback on every early return.
  fw::Transaction transaction(db);
  const String id = RecList().Cell(RecList().ListIndex(), 0);
  db.SQLExecute(u"DELETE FROM Aufnahmen WHERE ID = '"_s + id + u"'"_s);
  if (db.Error()) {
    app.DisplayDatabaseError(true);
    return;
  }
  // The commit is checked on purpose, although the delete has always taken
  // it on trust: a commit another program's lock keeps out deletes nothing,
  // so it is reported and the record stays shown, as it stays in the file.
  if (!transaction.Commit()) {
    app.DisplayDatabaseError(true);
    return;
  }
  ClearFields(true);
  UpdateRecList();
}

bool MainWindow::ConfirmDelete(const String& what) {
  fw::MessageDialog dialog;
  dialog.Message = u"Möchten Sie die  "_s + what + u" löschen?"_s;
  dialog.Explanation = u"Dies kann nicht rückgängig gemacht werden."_s;
  dialog.ActionButton.Caption = u"Löschen"_s;
  dialog.CancelButton.Caption = u"Abbrechen"_s;
  dialog.CancelButton.Visible = true;
  return dialog.ShowModal().Caption == u"Löschen"_s;
}

void MainWindow::RecList_DoubleClick(fw::Listbox&) {
  if (DeleteDoubleClick().Value()) DeleteBtn().Push();
}
