// An import killed from outside in the middle: afterwards the file holds
// either none of its lines or all of them, and the database is sound.
#include "exchange/Import.h"

#include "app/App.h"
#include "framework/Database.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdlib>

namespace {

constexpr int kLines = 200000;
constexpr char kDatabaseVariable[] = "KLANGBUCH_KILLED_IMPORT_DB";
constexpr char kFileVariable[] = "KLANGBUCH_KILLED_IMPORT_FILE";

// Started as the test's helper process (the variables set), the test
// program imports the file and ends here, before any test runs.
[[maybe_unused]] const int kHelperRun = [] {
  const QByteArray database = qgetenv(kDatabaseVariable), file = qgetenv(kFileVariable);
  if (database.isEmpty()) return 0;
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
  ASSERT_TRUE(helper.waitForStarted());
  // Killed once uncommitted pages have spilled from the engine's cache into
  // the file itself, so only the rollback journal can mend it.
  const QFileInfo seen(database);
  const qint64 before = seen.size();
  while (QFileInfo(database).size() < before + 1024 * 1024 && helper.state() == QProcess::Running)
    QThread::usleep(200);
  if (helper.state() == QProcess::Running) ::kill(pid_t(helper.processId()), SIGKILL);
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
