// An import killed in the middle: afterwards the file holds either none of
// its lines or all of them, and the database is sound.
#include "exchange/Import.h"

#include "app/App.h"
#include "framework/Database.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int kLines = 200000;
// The helper dies once its database has grown this far in the import:
// uncommitted pages have then spilled from the engine's cache into the file
// itself, so only the rollback journal can mend it.
constexpr rlim_t kGrowthBeforeKill = 1024 * 1024;
constexpr char kDatabaseVariable[] = "KLANGBUCH_KILLED_IMPORT_DB";
constexpr char kFileVariable[] = "KLANGBUCH_KILLED_IMPORT_FILE";

// Its own file size limit kills the process at the write that would pass
// it, wherever the import is then, as a kill from outside would; without a
// core file.
void DieOnceFilesPass(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_DFL);
  rlimit size{bytes, bytes}, core{0, 0};
  if (setrlimit(RLIMIT_CORE, &core) != 0 || setrlimit(RLIMIT_FSIZE, &size) != 0) std::_Exit(4);
}

// Started as the test's helper process (the variables set), the test
// program imports the file and ends here, before any test runs.
[[maybe_unused]] const int kHelperRun = [] {
  const QByteArray database = qgetenv(kDatabaseVariable), file = qgetenv(kFileVariable);
  if (database.isEmpty()) return 0;
  DieOnceFilesPass(rlim_t(QFileInfo(QString::fromLocal8Bit(database)).size()) + kGrowthBeforeKill);
  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(QString::fromLocal8Bit(database));
  if (!db.Connect()) std::_Exit(2);
  bool failed = false;
  const fw::Integer n = ImportExchangeFile(
      db, fw::FolderItem(QString::fromLocal8Bit(file)), fw::Chr(9),
      [&failed](bool) { failed = true; }, [&failed](fw::Integer) { failed = true; });
  std::_Exit(n == 0 && !failed ? 0 : 3);
}();

fw::String Scalar(fw::SQLiteDatabase& db, const fw::String& sql) {
  std::unique_ptr<fw::RecordSet> rs = db.SQLSelect(sql);
  return rs && !rs->IsEOF() ? rs->IdxField(1).StringValue() : db.ErrorMessage();
}

TEST(ImportKilledTest, LeavesNoNewRowOrAllOfThemAndASoundFile) {
  QTemporaryDir dir;
  const QString database = dir.filePath("recordings.rsd"), file = dir.filePath("gross.txt");
  {
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(database);
    ASSERT_TRUE(db.CreateDatabaseFile());
    db.SQLExecute(App::CreateTableStatement());
    db.SQLExecute("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-01', 'alt')");
    ASSERT_FALSE(db.Error());
  }
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    for (int i = 0; i < kLines; ++i)
      out.write(QStringLiteral("24.12.2008\tP%1\tTitel %1||zweite Zeile\tWDR\tCD\tMüller\tKöln\t"
                               "05.03.12\tja\tDVD\t\ttrue\tBemerkung\tPro Tools\tfalse\t\n")
                    .arg(i)
                    .toUtf8());
  }

  QProcess helper;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kDatabaseVariable, database);
  env.insert(kFileVariable, file);
  helper.setProcessEnvironment(env);
  helper.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=-*"});
  ASSERT_TRUE(helper.waitForStarted(-1));
  helper.waitForFinished(-1);

  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(database);
  ASSERT_TRUE(db.Connect());
  const fw::String count = Scalar(db, "SELECT count(*) FROM Aufnahmen");
  EXPECT_TRUE(count == "1" || count == fw::Str(kLines + 1)) << count.toStdString();
  EXPECT_EQ(Scalar(db, "PRAGMA integrity_check"), "ok");
  EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit);  // it was killed, not done
}

}  // namespace
