// Opening and creating the database file: an existing file is only ever
// opened, never created, truncated or overwritten.
#include "framework/db/RecordingsFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fw::test {
namespace {

QByteArray Contents(const String& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const String& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

enum class Make { kNothing, kTextFile, kDirectory, kEmptyFile, kDatabase };

struct ConnectCase {
  const char* what;
  Make make;
  bool connects;
  int code;
  const char* message;
};

class ConnectTest : public RecordingsTest, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(ConnectTest, OpensOnlyAnExistingDatabaseAndLeavesTheFileAsItWas) {
  const ConnectCase& c = GetParam();
  const String file = path("target.rsd");
  switch (c.make) {
    case Make::kNothing: break;
    case Make::kTextFile: Write(file, "Datum\tProdNr\tTitel\n2012-03-05\t4711\tProbe\n"); break;
    case Make::kDirectory: ASSERT_TRUE(QDir().mkdir(file)); break;
    case Make::kEmptyFile: Write(file, ""); break;
    case Make::kDatabase: ASSERT_TRUE(QFile::copy(path("recordings.rsd"), file)); break;
  }
  const QByteArray before = Contents(file);

  SQLiteDatabase db;
  db.DatabaseFile = FolderItem(file);
  EXPECT_EQ(db.Connect(), c.connects);
  EXPECT_EQ(db.Error(), !c.connects);
  EXPECT_EQ(db.ErrorCode(), c.code);
  EXPECT_EQ(db.ErrorMessage(), String::fromUtf8(c.message));
  db.Close();

  EXPECT_EQ(QFileInfo::exists(file), c.make != Make::kNothing);
  if (c.make != Make::kDirectory) {
    EXPECT_EQ(Contents(file), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ConnectTest,
                         ::testing::Values(ConnectCase{"missing", Make::kNothing, false, 14,
                                                       "unable to open database file"},
                                           ConnectCase{"text", Make::kTextFile, false, 26,
                                                       "file is not a database"},
                                           ConnectCase{"directory", Make::kDirectory, false, 14,
                                                       "unable to open database file"},
                                           ConnectCase{"empty", Make::kEmptyFile, true, 0, ""},
                                           ConnectCase{"database", Make::kDatabase, true, 0, ""}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(RecordingsTest, AnEmptyFileIsAnEmptyDatabaseWithoutTheTable) {
  const String file = path("empty.rsd");
  Write(file, "");
  SQLiteDatabase db;
  db.DatabaseFile = FolderItem(file);
  ASSERT_TRUE(db.Connect());
  EXPECT_EQ(db.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen")), nullptr);
  EXPECT_EQ(db.ErrorCode(), 1);
  EXPECT_EQ(db.ErrorMessage(), QStringLiteral("no such table: Aufnahmen"));
}

TEST_F(RecordingsTest, CreateMakesANewFileThatKeepsItsTable) {
  db_.Close();
  SQLiteDatabase again;
  again.DatabaseFile = FolderItem(path("recordings.rsd"));
  ASSERT_TRUE(again.Connect());
  EXPECT_EQ(scalar(again, QStringLiteral("SELECT group_concat(name || ' ' || lower(type), ', ') "
                                         "FROM pragma_table_info('Aufnahmen')")),
            QStringLiteral("Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, "
                           "Format varchar, Interpret varchar, Ort varchar, Schnitt date, "
                           "Fertig date, Backup varchar, BackupDat date, BelegCD boolean, "
                           "Bemerkung varchar, System varchar, Surr boolean, Technik varchar, "
                           "ID integer"));
}

TEST_F(RecordingsTest, CreateNeverTouchesAnExistingFile) {
  const String file = path("existing.rsd");
  Write(file, "not to be lost");
  SQLiteDatabase db;
  db.DatabaseFile = FolderItem(file);
  EXPECT_FALSE(db.CreateDatabaseFile());
  EXPECT_TRUE(db.Error());
  EXPECT_EQ(Contents(file), QByteArray("not to be lost"));
  // Nor an existing database.
  db.DatabaseFile = db_.DatabaseFile;
  EXPECT_FALSE(db.CreateDatabaseFile());
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")), QStringLiteral("1"));
}

TEST_F(RecordingsTest, CreateInAMissingFolderFailsAndMakesNothing) {
  const String file = path("no such folder/recordings.rsd");
  SQLiteDatabase db;
  db.DatabaseFile = FolderItem(file);
  EXPECT_FALSE(db.CreateDatabaseFile());
  EXPECT_TRUE(db.Error());
  EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(RecordingsTest, AClosedConnectionRefusesWorkWithoutCrashing) {
  SQLiteDatabase db;
  db.Close();  // never connected
  EXPECT_EQ(db.SQLSelect(QStringLiteral("SELECT 1")), nullptr);
  EXPECT_TRUE(db.Error());
  db_.Close();
  db_.Close();
  db_.SQLExecute(QStringLiteral("DELETE FROM Aufnahmen"));
  EXPECT_TRUE(db_.Error());
  db_.Commit();  // no transaction on a closed connection: nothing to do
  EXPECT_FALSE(db_.Error());
}

}  // namespace
}  // namespace fw::test
