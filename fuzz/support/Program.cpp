#include "support/Program.h"

#include "app/App.h"
#include "app/Startup.h"

#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

// In memory where the system offers it: the writer syncs every file it
// writes, which on a disk would be most of the time of a run.
QString Template() {
  return QDir(QStringLiteral("/dev/shm")).exists()
             ? QStringLiteral("/dev/shm/klangbuch-fuzz-XXXXXX")
             : QDir::temp().filePath(QStringLiteral("klangbuch-fuzz-XXXXXX"));
}

struct Folders {
  QTemporaryDir program{Template()};
  QTemporaryDir prefs{Template()};
};

// Lives as long as the process: libFuzzer ends it with exit().
Folders& TheFolders() {
  static Folders* folders = new Folders;
  return *folders;
}

void StartProgram() {
  static int argc = 1;
  static char name[] = "klangbuch_fuzz";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);
  new fw::ScriptedDialogs;

  Folders& folders = TheFolders();
  fw::SetApplicationFolder(folders.program.path());
  qputenv("XDG_CONFIG_HOME", folders.prefs.path().toUtf8());
  fw::ResetRuntimeForTesting();

  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(folders.program.filePath(QStringLiteral("recordings.rsd")));
  Require(db.CreateDatabaseFile(), "the catalogue can be created");
  db.SQLExecute(App::CreateTableStatement());
  db.Close();

  CreateAppObject();
  InstallAppMenuHandlers();
  App::SharedInstance().Event_Open();
}

}  // namespace

MainWindow& OpenMainWindow() {
  static const bool started = (StartProgram(), true);
  (void)started;
  return MainWindow::SharedInstance();
}

QString PrefsPath() { return TheFolders().prefs.filePath(QStringLiteral("Klangbuch Prefs")); }

QString ScratchPath(const QString& name) { return TheFolders().program.filePath(name); }

void Require(bool holds, const char* what, const QString& detail) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.toUtf8().constData());
  std::abort();
}

QString Text(const uint8_t* data, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace fuzz
