// Times the export ("Exportieren", through the real main window) and the
// import (the import's own code on a fresh connection) of N made-up
// recordings (argument, default 100000), beside the sqlite3 shell's
// tab-separated output and its .import in tab mode of the same data.

#include "app/App.h"
#include "bench/BenchSetting.h"
#include "exchange/Import.h"
#include "mainwindow/MainWindow.h"

#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRuns = 3;
const char* const kColumns =
    "Datum, ProdNr, Titel, Redaktion, Format, Interpret, Ort, Schnitt, Fertig, Backup, "
    "BackupDat, BelegCD, Bemerkung, System, Surr, Technik";

[[noreturn]] void Fail(const QString& what) {
  std::fprintf(stderr, "%s\n", qPrintable(what));
  std::exit(1);
}

// The best of kRuns, each after `prepare` (not timed).
double Best(const std::function<void()>& prepare, const std::function<void()>& step) {
  double best = 1e300;
  for (int i = 0; i < kRuns; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    step();
    best = std::min(
        best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
  }
  return best;
}

void Line(const char* what, double ms) { std::printf("  %-44s %8.1f ms\n", what, ms); }
void Ratio(const char* what, double x) { std::printf("  %-44s %8.1f x\n", what, x); }

void Shell(const QStringList& args, const QByteArray& input, const QString& output = {}) {
  QProcess shell;
  shell.setStandardOutputFile(output.isEmpty() ? QProcess::nullDevice() : output);
  shell.start(u"sqlite3"_s, args);
  shell.write(input);
  shell.closeWriteChannel();
  if (!shell.waitForFinished(-1) || shell.exitCode() != 0)
    Fail(u"sqlite3 failed: "_s + QString::fromUtf8(shell.readAllStandardError()));
}

// An empty catalogue at `path`, with the table as the program makes it, or
// for the shell's .import without ID (which it could not fill).
void EmptyFile(const QString& path, bool withId) {
  QFile::remove(path);
  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(path);
  if (!db.CreateDatabaseFile()) Fail(u"cannot create "_s + path);
  QString create = App::CreateTableStatement();
  if (!withId) create.replace(u", ID integer NOT NULL PRIMARY KEY"_s, QString());
  db.SQLExecute(create);
  if (db.Error()) Fail(db.ErrorMessage());
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
  BenchSetting setting;
  QTemporaryDir& programDir = setting.programDir;
  fw::ScriptedDialogs& dialogs = setting.dialogs;

  const QString catalogue = setting.WriteCatalogue(count);
  BenchSetting::StartProgram(argc, argv);
  MainWindow& mw = MainWindow::SharedInstance();

  const char* build = kBuildName;
  std::printf("Klangbuch import and export, %d recordings (%s build)\n", count, build);

  const QString exported = programDir.filePath(u"Aufnahmen.txt"_s);
  const double ourExport = Best([&] { dialogs.AnswerNextFileDialogWith(fw::FolderItem(exported)); },
                                [&] { mw.FileExportData_Action(); });
  const QString shellOut = programDir.filePath(u"shell.txt"_s);
  const QByteArray select =
      QByteArray(".mode tabs\nSELECT ") + kColumns + " FROM Aufnahmen ORDER BY Datum;\n";
  const double shellExport = Best([] {}, [&] { Shell({catalogue}, select, shellOut); });

  const QString target = programDir.filePath(u"import.rsd"_s);
  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(target);
  bool failed = false;
  const double ourImport = Best(
      [&] {
        EmptyFile(target, true);
        if (!db.Connect()) Fail(db.ErrorMessage());
      },
      [&] {
        if (ImportExchangeFile(
                db, fw::FolderItem(exported), fw::Chr(9), [&](bool) { failed = true; },
                [&](fw::Integer) { failed = true; }) != 0)
          failed = true;
      });
  std::unique_ptr<fw::RecordSet> rs = db.SQLSelect(u"SELECT count(*) FROM Aufnahmen"_s);
  if (failed || !rs || rs->IdxField(1).StringValue() != fw::Str(count))
    Fail(u"the import failed"_s);
  rs.reset();
  db.Close();
  const QByteArray load = ".mode tabs\n.import '" + exported.toUtf8() + "' Aufnahmen\n";
  const double shellImport =
      Best([&] { EmptyFile(target, false); }, [&] { Shell({target}, load); });

  Line("export (Exportieren, query and file)", ourExport);
  Line("sqlite3 shell, .mode tabs output", shellExport);
  Ratio("export / sqlite3", ourExport / shellExport);
  Line("import (one transaction, every line checked)", ourImport);
  Line("sqlite3 shell, .import in tab mode", shellImport);
  Ratio("import / sqlite3", ourImport / shellImport);
  if (!dialogs.MsgBoxTexts().empty())
    std::printf("  messages shown: %s\n", qPrintable(dialogs.MsgBoxTexts().front()));
  return fw::RuntimeExit();
}
