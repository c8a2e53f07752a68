// An import that runs out of room in the middle of the file: the database
// error message, no row of the file, a sound catalogue, and the same file
// imported whole once there is room.

#include "exchange/ExchangeFixture.h"

#include "framework/testsupport/DiskFaults.h"

#include <QDir>

namespace klangbuch_test {
namespace {

class ImportDiskFull : public ExchangeFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    db.SQLExecute(
        "INSERT INTO Aufnahmen (Datum, Titel, BelegCD, Surr) VALUES ('2001-01-01', 'alt', 0, 0)");
  }
  fw::DiskFaults disk;
};

// 5,000 lines of about a kilobyte: more than the engine's page cache holds,
// so it writes to the file while the import still reads.
QByteArray BigFile() {
  QByteArray bytes;
  for (int i = 0; i < 5000; ++i)
    bytes += "2008-12-24\tP" + QByteArray::number(i) + "\t" + QByteArray(1000, 'x') +
             QByteArray(13, '\t') + "\n";
  return bytes;
}

TEST_F(ImportDiskFull, NothingOfTheFileIsStoredAndTheSameImportLaterSucceeds) {
  MainWindow& w = OpenMainWindow();
  const fw::FolderItem file = FileWith(BigFile());
  disk.SetFreeSpace(1024 * 1024);
  Import(file);
  disk.SetFreeSpace(-1);

  EXPECT_EQ(dialogs.MsgBoxTexts(),
            std::vector<QString>{QStringLiteral(
                "Database Error: 13\n\ndatabase or disk is full\n"
                "Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query\nIm Expert Modus")});
  EXPECT_EQ(Rows("SELECT Titel FROM Aufnahmen"), std::vector<QStringList>{{"alt"}});
  EXPECT_EQ(Rows("PRAGMA integrity_check"), std::vector<QStringList>{{"ok"}});
  EXPECT_EQ(w.RecList().ListCount(), 1);
  EXPECT_EQ(QDir(programDir.path()).entryList({"recordings.rsd*"}, QDir::Files),
            QStringList{QStringLiteral("recordings.rsd")});

  dialogs.Clear();
  Import(file);
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>());
  EXPECT_EQ(Rows("SELECT count(*) FROM Aufnahmen"), std::vector<QStringList>{{"5001"}});
  EXPECT_EQ(Rows("PRAGMA integrity_check"), std::vector<QStringList>{{"ok"}});
  EXPECT_EQ(w.RecList().ListCount(), 5001);
}

}  // namespace
}  // namespace klangbuch_test
