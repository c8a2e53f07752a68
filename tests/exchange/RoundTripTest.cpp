// Export, import into an empty table, export again: the same bytes.
#include "exchange/ExchangeFixture.h"

namespace klangbuch_test {
namespace {

class RoundTripTest : public ExchangeFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    db.SQLExecute(
        "INSERT INTO Aufnahmen VALUES ('2012-03-05', 'P1', 'Zeile 1' || char(10) || 'Zeile 2', "
        "'WDR', 'CD', 'Müller', 'Köln', '05.03.12', 'ja', 'DVD', '', 1, 'a|b', 'Pro Tools', 0, "
        "'', 7)");
    db.SQLExecute(
        "INSERT INTO Aufnahmen (Datum, Titel, Schnitt, Fertig, BackupDat, BelegCD, Surr, Technik) "
        "VALUES ('2008-12-24', 'ß ü', '2008-12-20', 'ok', '2009-01-02', 0, 1, '48 kHz')");
    // NULL texts read as ''. (The program always stores both flags.)
    db.SQLExecute("INSERT INTO Aufnahmen (Datum, BelegCD, Surr) VALUES ('2010-06-01', 0, 0)");
    // A number-looking text in a date column is a number to the engine.
    db.SQLExecute(
        "INSERT INTO Aufnahmen (Datum, Schnitt, BelegCD, Surr) VALUES ('2011-01-01', '1.50', 1, "
        "1)");
  }
};

TEST_F(RoundTripTest, ExportImportExportGivesTheSameBytes) {
  const fw::FolderItem first = File("erste.txt"), second = File("zweite.txt");
  Export(first);
  Exec("DELETE FROM Aufnahmen");
  Import(first);
  Export(second);
  EXPECT_EQ(Bytes(second).toStdString(), Bytes(first).toStdString());
  EXPECT_EQ(Stored().size(), 4u);
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>());
  // The schema's limit: the stored '1.50' was already the number 1.5.
  EXPECT_TRUE(Bytes(first).contains("2011-01-01\t\t\t\t\t\t\t1.5\t"));
}

}  // namespace
}  // namespace klangbuch_test
