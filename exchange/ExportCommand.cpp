// The main window's "Exportieren": the recordings of the current search
// condition, ordered by Datum, written as an exchange file.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "exchange/ExchangeFile.h"
#include "framework/Dialogs.h"
#include "search/SearchWindow.h"

using namespace fw::literals;
using fw::EndOfLine;

namespace {

void ShowExportError() {
  fw::Beep();
  fw::MsgBox(u"Export Fehler"_s + EndOfLine + EndOfLine +
             u"Die Datei konnte nicht erzeugt werden."_s);
}

}  // namespace

bool MainWindow::FileExportData_Action() {
  App& app = App::SharedInstance();
  fw::String query = u"SELECT * FROM Aufnahmen"_s;
  const fw::String condition = SearchWindow::SharedInstance().filter;
  if (!condition.isEmpty()) {
    fw::MsgBox(u"Es wird nur die angezeigte Auswahl exportiert!"_s + EndOfLine +
               u"Wählen Sie ggf. 'Alle' aus"_s);
    query += u" WHERE "_s + condition;
  }
  query += u" Order by Datum"_s;
  std::unique_ptr<fw::RecordSet> rs = app.KlangDB->SQLSelect(query);
  if (app.KlangDB->Error() || !rs) {
    app.DisplayDatabaseError(false);
    return true;
  }
  fw::SaveAsDialog dialog;
  dialog.PromptText = u"Exportieren nach"_s;
  dialog.SuggestedFileName = u"Aufnahmen.txt"_s;
  const std::optional<fw::FolderItem> file = dialog.ShowModalWithin(*this);
  if (!file) return true;
  // Written over the open catalogue, the export would replace the database.
  if (file->IsSameFileAs(app.KlangDB->DatabaseFile) || !WriteExchangeFile(*rs, *file))
    ShowExportError();
  rs->Close();
  return true;
}
