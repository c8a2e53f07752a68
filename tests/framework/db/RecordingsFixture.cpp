#include "framework/db/RecordingsFixture.h"

namespace fw::test {

const char* const kCreateAufnahmen =
    "create table Aufnahmen (Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, "
    "Format varchar, Interpret varchar, Ort varchar, Schnitt date, Fertig date, Backup varchar, "
    "BackupDat date, BelegCD boolean, Bemerkung varchar, System varchar, Surr boolean, "
    "Technik varchar, ID integer NOT NULL PRIMARY KEY)";

const std::initializer_list<const char*> kAwkwardTexts = {
    "O'Brien's \"Best\"",
    "Zeile 1\nZeile 2\r\nZeile 3",
    "Müller – Straße, Ärger, Œuvre, €, 日本",
    "'); DELETE FROM Aufnahmen; --",
    "\ttab and trailing blank ",
    "?1 :a @b $c",
};

void RecordingsTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  db_.DatabaseFile = FolderItem(path("recordings.rsd"));
  ASSERT_TRUE(db_.CreateDatabaseFile()) << db_.ErrorMessage().toStdString();
  db_.SQLExecute(String::fromUtf8(kCreateAufnahmen));
  ASSERT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
}

std::unique_ptr<SQLiteDatabase> RecordingsTest::connectAgain() const {
  auto other = std::make_unique<SQLiteDatabase>();
  other->DatabaseFile = db_.DatabaseFile;
  EXPECT_TRUE(other->Connect()) << other->ErrorMessage().toStdString();
  return other;
}

String RecordingsTest::insert(std::initializer_list<std::pair<const char*, String>> columns) {
  DatabaseRecord record;
  for (const auto& [name, value] : columns) record.Column(String::fromUtf8(name), value);
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  EXPECT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
  return scalar(QStringLiteral("SELECT max(ID) FROM Aufnahmen"));
}

String RecordingsTest::scalar(SQLiteDatabase& db, const String& sql) {
  auto rows = db.SQLSelect(sql);
  EXPECT_TRUE(rows) << sql.toStdString() << ": " << db.ErrorMessage().toStdString();
  if (!rows || rows->IsEOF()) return QStringLiteral("<no row>");
  return rows->IdxField(1).StringValue();
}

String RecordingsTest::column(const String& sql) {
  auto rows = db_.SQLSelect(sql);
  EXPECT_TRUE(rows) << sql.toStdString() << ": " << db_.ErrorMessage().toStdString();
  QStringList values;
  for (; rows && !rows->IsEOF(); rows->MoveNext()) values << rows->IdxField(1).StringValue();
  return values.join(QLatin1Char('|'));
}

}  // namespace fw::test
