// The import when the database fails it: at an insert, at the commit, at
// the begin. Each is reported and leaves no row of the file.
#include "exchange/ExchangeFixture.h"

namespace klangbuch_test {
namespace {

QByteArray ThreeLines() {
  QByteArray bytes;
  for (const char* title : {"eins", "zwei", "drei"})
    bytes += QByteArray("2008-12-24\t\t") + title + QByteArray(13, '\t') + "\n";
  return bytes;
}

class ImportFaultTest : public ExchangeFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    db.SQLExecute("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-01', 'alt')");
  }
  std::vector<QStringList> Titles() { return Rows("SELECT Titel FROM Aufnahmen ORDER BY ID"); }
};

TEST_F(ImportFaultTest, AnInsertAbortedOnLine2OfThreeLeavesNoRow) {
  Exec(
      "CREATE TRIGGER nicht_zwei BEFORE INSERT ON Aufnahmen WHEN NEW.Titel = 'zwei' "
      "BEGIN SELECT RAISE(ABORT, 'zwei geht nicht'); END");
  MainWindow& w = OpenMainWindow();
  Import(FileWith(ThreeLines()));
  EXPECT_EQ(DatabaseErrors().size(), 1u);
  EXPECT_TRUE(DatabaseErrors().front().startsWith("Database Error: 19\n\nzwei geht nicht\n"));
  EXPECT_EQ(Titles(), std::vector<QStringList>{{"alt"}});
  EXPECT_EQ(w.RecList().ListCount(), 1);  // reloaded: the import has ended
}

// Another program's read lock outlasts the busy timeout at the commit: the
// rows are not in the file, so they must not be reported as imported.
TEST_F(ImportFaultTest, ACommitKeptOutByALockIsReportedAndLeavesNoRow) {
  App& a = StartApp();
  a.KlangDB->SetBusyTimeout(20);
  fw::SQLiteDatabase reader;
  reader.DatabaseFile = fw::FolderItem(DatabasePath());
  ASSERT_TRUE(reader.Connect());
  reader.SQLExecute("begin transaction");
  ASSERT_TRUE(reader.SQLSelect("SELECT count(*) FROM Aufnahmen"));  // holds its lock

  EXPECT_EQ(a.ImportData(FileWith(ThreeLines()), fw::Chr(9)), 0);
  reader.Rollback();
  ASSERT_EQ(DatabaseErrors().size(), 1u);
  EXPECT_TRUE(DatabaseErrors().front().startsWith("Database Error: 5\n\ndatabase is locked\n"));
  EXPECT_EQ(Titles(), std::vector<QStringList>{{"alt"}});
  // The connection is usable again, and the same file now goes in whole.
  EXPECT_EQ(a.ImportData(FileWith(ThreeLines()), fw::Chr(9)), 0);
  EXPECT_EQ(Titles().size(), 4u);
}

// 300,000 lines, far more than the engine's page cache holds, so the
// engine wants to write to the file long before the commit, under another
// program's read lock that lasts beyond it. Whatever the engine does then,
// the message and the stored rows agree: a message and no row of the file,
// or every row and no message.
TEST_F(ImportFaultTest, ALargeImportUnderAReadersLockTellsWhatWasStored) {
  constexpr int kLines = 300000;
  QByteArray bytes;
  bytes.reserve(kLines * 40);
  for (int i = 0; i < kLines; ++i)
    bytes += "2008-12-24\tP" + QByteArray::number(i) + "\tTitel" + QByteArray(13, '\t') + "\n";
  const fw::FolderItem file = FileWith(bytes);
  App& a = StartApp();
  a.KlangDB->SetBusyTimeout(20);
  auto reader = std::make_unique<fw::SQLiteDatabase>();
  reader->DatabaseFile = fw::FolderItem(DatabasePath());
  ASSERT_TRUE(reader->Connect());
  reader->SQLExecute("begin transaction");
  ASSERT_TRUE(reader->SQLSelect("SELECT count(*) FROM Aufnahmen"));  // holds its lock

  EXPECT_EQ(a.ImportData(file, fw::Chr(9)), 0);
  reader.reset();
  const std::vector<QString> errors = DatabaseErrors();
  const QString count = Rows("SELECT count(*) FROM Aufnahmen").front().front();
  EXPECT_EQ(count, errors.empty() ? QString::number(kLines + 1) : QStringLiteral("1"));
  EXPECT_LE(errors.size(), 1u);
  EXPECT_EQ(dialogs.MsgBoxTexts().size(), errors.size());
  EXPECT_EQ(Rows("PRAGMA integrity_check"), std::vector<QStringList>{{"ok"}});

  for (const QString& error : errors)
    EXPECT_TRUE(error.startsWith("Database Error: 5\n\ndatabase is locked\n"));
}

// A begin that fails would let every insert commit by itself: nothing is
// inserted at all.
TEST_F(ImportFaultTest, AFailedBeginIsReportedAndInsertsNothing) {
  App& a = StartApp();
  a.KlangDB->SQLExecute("begin transaction");  // so the import's begin fails
  EXPECT_EQ(a.ImportData(FileWith(ThreeLines()), fw::Chr(9)), 0);
  ASSERT_EQ(DatabaseErrors().size(), 1u);
  EXPECT_TRUE(DatabaseErrors().front().contains("cannot start a transaction within a transaction"));
  a.KlangDB->Commit();  // the transaction the import did not own is left to its owner
  EXPECT_FALSE(a.KlangDB->Error());
  EXPECT_EQ(Titles(), std::vector<QStringList>{{"alt"}});
}

}  // namespace
}  // namespace klangbuch_test
