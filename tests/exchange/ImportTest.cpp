// App.ImportData and "Importieren": given files, the exact rows stored, or
// the refused line's number with nothing stored.
#include "exchange/ExchangeFixture.h"

namespace klangbuch_test {
namespace {

using StoredRows = std::vector<QString>;

// A line of 16 fields with every kind: "||", a dotted date in all four date
// columns (one with a two-digit year, kept), both flags, umlauts.
const QByteArray kFull =
    "24.12.2008\tP1\tZeile 1||Zeile 2\tWDR\tCD\tM\xC3\xBCller\tK\xC3\xB6ln\t05.03.12\t01.02.2003\t"
    "DVD\tok\ttrue\ta|b\tPro Tools\tfalse\t24.12.2008";
const QString kFullRow = QString::fromUtf8(
    "'2008-12-24','P1','Zeile 1\nZeile 2','WDR','CD','Müller','Köln','05.03.12','2003-02-01',"
    "'DVD','ok',1,'a|b','Pro Tools',0,'24.12.2008'");
// 15 fields: Technik gets no value.
const QByteArray kShort = "2008-12-24\t\tKurz\t\t\t\t\t\tja\t\t\tTRUE\t\t\t1";
const QString kShortRow = "'2008-12-24','','Kurz','','','','','','ja','','',0,'','',0,NULL";
// 15 TABs: 16 empty fields.
const QByteArray kEmpty(15, '\t');
const QString kEmptyRow = "'','','','','','','','','','','',0,'','',0,''";

struct ImportCase {
  const char* name;
  QByteArray bytes;
  int result;
  StoredRows rows;
};
// The case's name in ctest's listing, not its bytes.
void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

class ImportFileTest : public ExchangeFixture, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportFileTest, StoresTheLinesOrNothing) {
  const ImportCase& c = GetParam();
  EXPECT_EQ(StartApp().ImportData(FileWith(c.bytes), fw::Chr(9)), c.result);
  EXPECT_EQ(Stored(), c.rows);
  EXPECT_EQ(dialogs.shown.size(), 0u);  // ImportData itself shows nothing here
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFileTest,
    ::testing::Values(
        ImportCase{"EveryFieldKind",
                   kFull + "\n" + kShort + "\n" + kEmpty + "\n",
                   0,
                   {kFullRow, kShortRow, kEmptyRow}},
        ImportCase{"CrlfAndNoEndOnTheLast", kShort + "\r\n" + kFull, 0, {kShortRow, kFullRow}},
        ImportCase{"Cr", kFull + "\r" + kShort + "\r", 0, {kFullRow, kShortRow}},
        ImportCase{"ByteOrderMark", "\xEF\xBB\xBF" + kShort + "\n", 0, {kShortRow}},
        ImportCase{"EmptyLinesSkipped",
                   "\n" + kShort + "\n\r\n\n" + kEmpty + "\n\n",
                   0,
                   {kShortRow, kEmptyRow}},
        ImportCase{"ZeroBytes", "", 0, {}}, ImportCase{"OnlyEmptyLines", "\n\n\r\n", 0, {}},
        ImportCase{"BadCountOnTheLastOfThree", kFull + "\n" + kShort + "\n" + "a\tb\n", 3, {}},
        ImportCase{"FourteenFields", kFull + "\n" + kShort + "\n" + QByteArray(13, '\t'), 3, {}},
        ImportCase{"SeventeenFields", kFull + "\t\n", 1, {}},
        ImportCase{"EmptyLinesCountForTheNumber", "\n\n" + QByteArray(17, '\t') + "\n", 3, {}},
        ImportCase{"CommaSeparated", "\n2008-12-24,P1,Titel\n", 2, {}},
        ImportCase{
            "InvalidUtf8OnLine2", kShort + "\nM\xFCller" + kShort.mid(1) + "\n" + kFull, 2, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeFixture, TheSameFileTwiceStoresEverythingTwice) {
  App& a = StartApp();
  const fw::FolderItem file = FileWith(kShort + "\n");
  EXPECT_EQ(a.ImportData(file, fw::Chr(9)), 0);
  EXPECT_EQ(a.ImportData(file, fw::Chr(9)), 0);
  EXPECT_EQ(Stored(), StoredRows({kShortRow, kShortRow}));
}

TEST_F(ExchangeFixture, AFileThatCannotBeOpenedIsLine1) {
  EXPECT_EQ(StartApp().ImportData(File("fehlt.txt"), fw::Chr(9)), 1);
  EXPECT_EQ(app->ImportData(fw::FolderItem(programDir.path()), fw::Chr(9)), 1);
}

// A Datum that is no exact DD.MM.YYYY of a real day is stored as it stands,
// shown so in the list, and sorted by the digits at the places of day,
// month and the year's last two; stored texts compare as texts.
TEST_F(ExchangeFixture, ADatumKeptAsItStandsSortsByTheDigitsAtTheirPlaces) {
  QByteArray bytes;
  for (const char* datum : {"24.12.2008", "05.03.12", "1.12.2012", "31.02.2012", "24.12.08",
                            "2012-03-06", "ja", "24.12.2008 (ca.)", "01.01.1990"})
    bytes += QByteArray(datum) + "\tP\t" + datum + QByteArray(13, '\t') + "\n";
  MainWindow& w = OpenMainWindow();
  Import(FileWith(bytes));
  ASSERT_EQ(dialogs.shown.size(), 1u);  // the open dialog only: no message

  EXPECT_EQ(Rows("SELECT Titel FROM Aufnahmen WHERE Titel != Datum"),
            (std::vector<QStringList>{{"24.12.2008"}, {"01.01.1990"}}));
  QStringList listed;  // newest first, the design's sort
  for (fw::Integer row = 0; row < w.RecList().ListCount(); ++row)
    listed << w.RecList().Cell(row, 1);
  EXPECT_EQ(listed, (QStringList{"06.03.2012", "05.03.12", "31.02.2012", "1.12.2012", "24.12.2008",
                                 "24.12.08", "24.12.2008 (ca.)", "ja", "01.01.1990"}));
  EXPECT_EQ(Rows("SELECT Titel FROM Aufnahmen WHERE Datum > '2011-01-01' ORDER BY Datum"),
            (std::vector<QStringList>{
                {"2012-03-06"}, {"24.12.08"}, {"24.12.2008 (ca.)"}, {"31.02.2012"}, {"ja"}}));
}

const QString kImportMessage =
    "Es konnten keine Daten importiert werden\nFehler in Zeile: %1\n"
    "Es sind nicht die erforderlichen Felder vorhanden.";

TEST_F(ExchangeFixture, TheCommandAsksForATextFileAndReloadsTheList) {
  MainWindow& w = OpenMainWindow();
  Import(FileWith(kFull + "\n" + kShort + "\n"));
  ASSERT_EQ(dialogs.shown.size(), 1u);  // the open dialog only: no message
  EXPECT_EQ(dialogs.shown[0].kind, fw::ShownDialog::kOpenFile);
  EXPECT_EQ(dialogs.shown[0].text, "text (*.txt *.TXT)");
  EXPECT_EQ(w.RecList().ListCount(), 2);
  EXPECT_EQ(dialogs.BeepCount(), 0);
}

TEST_F(ExchangeFixture, TheCommandNamesTheRefusedLineAndKeepsTheList) {
  Exec("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-01', 'alt')");
  MainWindow& w = OpenMainWindow();
  Exec("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-02', 'neu')");
  Import(FileWith(kFull + "\n\nkaputt\n"));
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>{kImportMessage.arg(3)});
  EXPECT_EQ(w.RecList().ListCount(), 1);  // not reloaded
  Import(File("fehlt.txt"));
  EXPECT_EQ(dialogs.MsgBoxTexts().back(), kImportMessage.arg(1));
  EXPECT_EQ(dialogs.BeepCount(), 0);
  EXPECT_EQ(Stored().size(), 2u);
}

TEST_F(ExchangeFixture, ACancelledOpenDialogDoesNothing) {
  MainWindow& w = OpenMainWindow();
  Exec("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-01', 'neu')");
  Import(std::nullopt);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(w.RecList().ListCount(), 0);
}

}  // namespace
}  // namespace klangbuch_test
