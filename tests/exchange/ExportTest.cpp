// "Exportieren": the exact bytes of the file, the dialogs on the way, and
// every way the file is not written.
#include "exchange/ExchangeFixture.h"

#include "search/SearchWindow.h"
#include "support/FileSizeLimit.h"

#include <QDir>

namespace klangbuch_test {
namespace {

class ExportTest : public ExchangeFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    // Every field kind: line feeds, CR and CRLF, a TAB, umlauts, both flags,
    // empty and NULL values; inserted out of date order.
    db.SQLExecute(
        "INSERT INTO Aufnahmen VALUES ('2012-03-05', 'P1', 'Zeile 1' || char(10) || 'Zeile 2', "
        "'WDR', 'CD', 'Müller', 'Köln', '05.03.12', 'ja', 'DVD', '', 1, "
        "'a' || char(13) || char(10) || 'b' || char(13) || 'c||d', 'Pro Tools', 0, '', 7)");
    db.SQLExecute(
        "INSERT INTO Aufnahmen (Datum, Titel, Surr, Technik) "
        "VALUES ('2008-12-24', 'Tab' || char(9) || 'drin', 1, '48 kHz')");
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
  }
};

const QByteArray kBothLines =
    "2008-12-24\t\tTab drin\t\t\t\t\t\t\t\t\t\t\t\ttrue\t48 kHz\n"
    "2012-03-05\tP1\tZeile 1||Zeile 2\tWDR\tCD\tM\xC3\xBCller\tK\xC3\xB6ln\t05.03.12\tja\tDVD\t\t"
    "true\ta||b||c||d\tPro Tools\tfalse\t\n";

TEST_F(ExportTest, WritesEveryRecordingInDateOrderByteForByte) {
  const fw::FolderItem target = File("Aufnahmen.txt");
  Export(target);
  EXPECT_EQ(Bytes(target), kBothLines);
  // The save dialog, within the main window; no warning, no success message.
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const fw::ShownDialog& save = dialogs.shown[0];
  EXPECT_EQ(save.kind, fw::ShownDialog::kSaveFile);
  EXPECT_EQ(save.prompt, "Exportieren nach");
  EXPECT_EQ(save.explanation, "Aufnahmen.txt");
  EXPECT_EQ(save.parent, &MainWindow::SharedInstance());
}

TEST_F(ExportTest, ASearchConditionIsWarnedOfAndNarrowsTheFile) {
  SearchWindow::SharedInstance().filter = "Surr = 0";
  const fw::FolderItem target = File("Auswahl.txt");
  Export(target);
  EXPECT_EQ(Bytes(target), kBothLines.mid(kBothLines.indexOf('\n') + 1));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Es wird nur die angezeigte Auswahl exportiert!\nWählen Sie ggf. 'Alle' aus");
  EXPECT_EQ(dialogs.shown[1].kind, fw::ShownDialog::kSaveFile);

  // No recording selected: an empty file.
  SearchWindow::SharedInstance().filter = "Titel = 'keiner'";
  Export(target);
  EXPECT_EQ(Bytes(target), "");
  SearchWindow::SharedInstance().filter.clear();
}

TEST_F(ExportTest, ARefusedConditionShowsTheErrorAndNoDialog) {
  MainWindow& w = OpenMainWindow();
  SearchWindow::SharedInstance().filter = "Titel = ";
  w.FileExportData_Action();
  SearchWindow::SharedInstance().filter.clear();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_TRUE(dialogs.shown[0].text.startsWith("Es wird nur die angezeigte Auswahl"));
  EXPECT_TRUE(
      dialogs.shown[1].text.startsWith("Database Error: 1\n\nnear \"Order\": syntax error"));
}

TEST_F(ExportTest, ACancelledDialogWritesNothing) {
  OpenMainWindow().FileExportData_Action();  // no answer: cancelled
  Export(std::nullopt);
  EXPECT_EQ(QDir(programDir.path()).entryList({"*.txt"}, QDir::Files), QStringList());
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>());
}

TEST_F(ExportTest, WhereNoFileCanBeWrittenTheErrorAndTheBeep) {
  ASSERT_TRUE(QDir(programDir.path()).mkdir("sub"));
  ASSERT_TRUE(QFile::link(DatabasePath(), programDir.filePath("link.txt")));
  const QByteArray catalogue = Bytes(File("recordings.rsd"));
  const QString targets[] = {
      programDir.filePath("fehlt/Aufnahmen.txt"),  // a folder that does not exist
      programDir.filePath("sub"),                  // a folder
      DatabasePath(),                              // the open catalogue itself
      programDir.filePath("sub/../recordings.rsd"),
      programDir.filePath("link.txt"),
  };
  for (const QString& target : targets) {
    SCOPED_TRACE(target.toStdString());
    dialogs.Clear();
    Export(fw::FolderItem(target));
    EXPECT_EQ(dialogs.BeepCount(), 1);
    EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>{kExportError});
  }
  EXPECT_EQ(Bytes(File("recordings.rsd")), catalogue);
  EXPECT_EQ(Stored().size(), 2u);
}

// A size limit fails the writes after 4096 bytes as a full disk would, also
// for root; the file that was there stays as it was.
TEST_F(ExportTest, AFullDiskLeavesTheOldFile) {
  Exec(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
      "INSERT INTO Aufnahmen (Datum, Titel) SELECT '2001-01-01', printf('%040d', i) FROM n");
  const fw::FolderItem target = FileWith("alter Export\n", "Aufnahmen.txt");
  OpenMainWindow();
  {
    const FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.IsSet());
    Export(target);
  }

  EXPECT_EQ(Bytes(target), "alter Export\n");
  EXPECT_EQ(dialogs.BeepCount(), 1);
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>{kExportError});
  EXPECT_EQ(QDir(programDir.path()).entryList({"*.txt*"}, QDir::Files),
            QStringList{"Aufnahmen.txt"});
}

}  // namespace
}  // namespace klangbuch_test
