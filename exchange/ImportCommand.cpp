// The main window's "Importieren" and App.ImportData: an exchange file read
// into Aufnahmen, whole or not at all.

#include "exchange/Import.h"

#include "app/App.h"
#include "exchange/ExchangeFile.h"
#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "framework/TextStreams.h"
#include "mainwindow/MainWindow.h"

#include <memory>

using namespace fw::literals;
using fw::EndOfLine;

namespace {

// The import's own message: nothing imported, the line, why.
fw::String NothingImported(fw::Integer line, const fw::String& reason) {
  return u"Es konnten keine Daten importiert werden"_s + EndOfLine + u"Fehler in Zeile: "_s +
         fw::Str(line) + EndOfLine + reason;
}

}  // namespace

fw::Integer ImportExchangeFile(fw::SQLiteDatabase& db, const fw::FolderItem& file,
                               const fw::String& separator,
                               const std::function<void(bool rollback)>& reportDatabaseError,
                               const std::function<void(fw::Integer line)>& reportReadError) {
  std::unique_ptr<fw::TextInputStream> in = fw::TextInputStream::Open(file);
  if (!in) return 1;
  // Rolls back on every return before the commit. Begin and commit are
  // checked: a failed begin would let every insert commit alone, and a
  // failed commit would report success for rows that are gone.
  fw::Transaction transaction(db);
  if (!transaction.Began()) {
    reportDatabaseError(false);  // no transaction of ours to roll back
    return 0;
  }
  // The rows read so far are not the file: none of them stays, and the
  // catalogue is free again before the user is told.
  const auto readFailed = [&](fw::Integer line) {
    db.Rollback();
    reportReadError(line);
    return 0;
  };
  const fw::String table = u"Aufnahmen"_s;
  fw::Integer lineNumber = 0;
  while (!in->IsEOF()) {
    ++lineNumber;
    const fw::String line = in->ReadLine();
    if (in->ReadFailed()) return readFailed(lineNumber);
    if (line.isEmpty()) continue;
    // A line that is not UTF-8 would be stored garbled: refused like a
    // line of the wrong shape.
    if (!in->LastLineIsValid()) return lineNumber;
    const fw::Integer count = fw::CountFields(line, separator);
    if (count < 15 || count > 16) return lineNumber;
    db.InsertRecord(table, ExchangeRecord(line, separator, count));
    if (db.Error()) {
      reportDatabaseError(true);
      return 0;
    }
    fw::BackgroundTask();
  }
  if (in->ReadFailed()) return readFailed(lineNumber + 1);  // right after a line end
  in->Close();
  if (!transaction.Commit()) reportDatabaseError(true);
  return 0;
}

fw::Integer App::ImportData(const fw::FolderItem& file, const fw::String& separator) {
  return ImportExchangeFile(
      *KlangDB, file, separator, [this](bool rollback) { DisplayDatabaseError(rollback); },
      [](fw::Integer line) {
        fw::MsgBox(NothingImported(line, u"Die Datei konnte nicht zu Ende gelesen werden."_s));
      });
}

bool MainWindow::FileImportData_Action() {
  const std::optional<fw::FolderItem> file = fw::GetOpenFolderItem(u"text"_s);
  if (!file) return true;
  const fw::Integer n = App::SharedInstance().ImportData(*file, fw::Chr(9));
  if (n != 0) {
    fw::MsgBox(NothingImported(n, u"Es sind nicht die erforderlichen Felder vorhanden."_s));
    return true;
  }
  UpdateRecList();
  return true;
}
