// Saving the form: what reaches the table, and where the list and the form
// are left afterwards.

#include "mainwindow/RecordFormFixture.h"
#include "support/Waits.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace klangbuch_test {
namespace {

class RecordSaveTest : public RecordFormFixture {
 protected:
  // The table without the given row, to show that nothing else changed.
  std::vector<QStringList> TableWithout(int id) {
    std::vector<QStringList> rows = Table();
    std::erase_if(rows, [id](const QStringList& r) { return r.last() == QString::number(id); });
    return rows;
  }
};

TEST_F(RecordSaveTest, ANewRecordIsStoredExactlyAsTypedUnderTheNextId) {
  MainWindow& w = Open();
  w.NewBtn().Push();
  w.ProdNummer().SetText(QStringLiteral("N'1"));
  w.AufnTitel().SetText(QStringLiteral("Rock'n'Roll \"live\"; DROP TABLE Aufnahmen"));
  w.AufnInterpret().SetText(QStringLiteral("Die Ärzte"));
  w.AufnRed().SetText(QStringLiteral("''"));
  w.AufnOrt().SetText(QStringLiteral("Straße"));
  w.AufnBemerkung().SetText(QStringLiteral("eins\nzwei"));
  Type(w.AufnFertig(), QStringLiteral("ok"));
  w.AufnSurr().SetValue(true);
  w.UpdateBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Row(8),
            (QStringList{w.today.SQLDate(), "N'1", "Rock'n'Roll \"live\"; DROP TABLE Aufnahmen",
                         "''", "AMS", "Die Ärzte", "Straße", "", "ok", "", "", "0", "eins\nzwei",
                         "Sequoia Msp", "1", "", "8"}));
  // Empty fields are stored as the empty text, not as NULL.
  EXPECT_EQ(Rows(QStringLiteral("SELECT typeof(Schnitt), typeof(Backup), typeof(BackupDat), "
                                "typeof(Technik), typeof(BelegCD) FROM Aufnahmen WHERE ID = 8")),
            (std::vector<QStringList>{{"text", "text", "text", "text", "integer"}}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Row(kStoredRows[i].id), Expected(kStoredRows[i]));
}

TEST_F(RecordSaveTest, AfterAnInsertWithKeepSelTheFirstRowIsShownDisabled) {
  MainWindow& w = Open();
  w.SortOnOpen().SetValue(false);  // the list in the query's order: ID 3 first
  FillNew(w);
  w.UpdateBtn().Push();

  ASSERT_EQ(Count(), 4);
  EXPECT_EQ(w.RecList().ListCount(), 4);
  EXPECT_EQ(w.RecList().ListIndex(), 0);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
  EXPECT_FALSE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.Focus(), &w.RecList());
}

TEST_F(RecordSaveTest, WithoutKeepSelANewRecordLeavesAnEmptyFormReadyForTheNext) {
  MainWindow& w = Open();
  w.KeepSel().SetValue(false);
  FillNew(w);
  w.UpdateBtn().Push();

  ASSERT_EQ(Count(), 4);
  EXPECT_EQ(w.RecList().ListIndex(), -1);
  EXPECT_EQ(w.RecGroupBox().Caption(), " ");
  EXPECT_EQ(w.AufnTitel().Text(), "");
  EXPECT_EQ(w.AufnDatum().Text(), "");
  EXPECT_EQ(w.UpdateBtn().Caption(), "Sichern");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
}

TEST_F(RecordSaveTest, AnUpdateChangesOnlyItsRowAndReselectsItsPosition) {
  MainWindow& w = Open();
  Select(w, 5);
  const fw::Integer position = w.RecList().ListIndex();
  const std::vector<QStringList> others = TableWithout(5);
  w.AufnTitel().SetText(QStringLiteral("Neuer Titel"));
  Type(w.AufnSchnitt(), QStringLiteral("1.2.2013"));
  w.BelegCD().SetValue(true);
  w.AufnSystem().SetListIndex(0);
  w.UpdateBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Row(5),
            (QStringList{"2011-12-24", "P-2", "Neuer Titel", "NDR", "AMS", "Bert", "Hamburg",
                         "1.2.2013", "", "", "", "1", "", "Sonic", "1", "", "5"}));
  EXPECT_EQ(TableWithout(5), others);
  EXPECT_EQ(w.RecList().ListIndex(), position);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
  EXPECT_EQ(w.AufnTitel().Text(), "Neuer Titel");
  EXPECT_FALSE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.Focus(), &w.RecList());
}

// The form's fields have no length limit: a recording whose remark and
// technical note are longer than Qt's default maximum of 32,767 characters
// (imported, or written by another program) is stored unchanged by an
// "Update" without edits, and so is a long title typed into the form.
TEST_F(RecordSaveTest, TextsLongerThanQtsDefaultLimitSurviveAnUpdate) {
  QString remark, technik;
  for (int i = 0; remark.size() < 40000; ++i) remark += u"Bemerkung %1 äöü; "_s.arg(i);
  for (int i = 0; technik.size() < 40000; ++i) technik += u"Mikrofon %1, "_s.arg(i);
  remark.truncate(40000);
  technik.truncate(40000);
  Exec(
      u"UPDATE Aufnahmen SET Bemerkung = '%1', Technik = '%2' WHERE ID = 5"_s.arg(remark, technik));
  MainWindow& w = Open();
  Select(w, 5);
  ASSERT_EQ(w.AufnBemerkung().Text().size(), 40000);
  w.UpdateBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  const QStringList row = Row(5);
  ASSERT_EQ(row.size(), 17);
  EXPECT_EQ(row[12].size(), 40000);
  EXPECT_EQ(row[12], remark);
  EXPECT_EQ(row[15].size(), 40000);
  EXPECT_EQ(row[15], technik);

  Select(w, 7);
  const QString title = QString(40000, u'T') + u"itel"_s;
  w.AufnTitel().SetText(title);
  w.UpdateBtn().Push();
  EXPECT_EQ(Row(7).value(2), title);
}

TEST_F(RecordSaveTest, APositionPastTheEndOfTheRefilledListSelectsNothing) {
  MainWindow& w = Open();
  w.RecList().SetListIndex(2);
  const QString id = w.RecList().Cell(2, 0);
  // The other recordings go behind the program's back, so the refilled
  // list is shorter than the remembered position.
  Exec(QStringLiteral("DELETE FROM Aufnahmen WHERE ID <> ") + id);
  w.AufnOrt().SetText(QStringLiteral("Passau"));
  w.UpdateBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Row(id.toInt()).value(6), "Passau");
  EXPECT_EQ(w.RecList().ListCount(), 1);
  EXPECT_EQ(w.RecList().ListIndex(), -1);
  EXPECT_FALSE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.Focus(), &w.RecList());
}

TEST_F(RecordSaveTest, WithoutKeepSelAnUpdateLeavesTheRecordShownButDisabled) {
  MainWindow& w = Open();
  w.KeepSel().SetValue(false);
  Select(w, 7);
  w.AufnOrt().SetText(QStringLiteral("Passau"));
  w.UpdateBtn().Push();

  EXPECT_EQ(Row(7).value(6), "Passau");
  EXPECT_EQ(w.RecList().ListIndex(), -1);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 7");
  EXPECT_FALSE(w.RecGroupBox().Enabled());
}

TEST_F(RecordSaveTest, ADuplicateIsInsertedAndItsSourceStaysAsItWas) {
  MainWindow& w = Open();
  w.KeepSel().SetValue(false);
  Select(w, 3);
  w.CopyBtn().Push();
  w.AufnTitel().SetText(QStringLiteral("Zweite Fassung"));
  w.UpdateBtn().Push();

  EXPECT_EQ(Row(3), Expected(kStoredRows[0]));
  EXPECT_EQ(Row(8),
            (QStringList{w.today.SQLDate(), "P-1", "Zweite Fassung", "WDR 3", "CD", "Anna", "Köln",
                         "", "", "HD 1", "", "1", "Bem. 1", "Radar", "0", "Stereo", "8"}));
  // A row was selected before the save, so the refill disables the form.
  EXPECT_FALSE(w.RecGroupBox().Enabled());
}

TEST_F(RecordSaveTest, LoadingAndSavingWithoutAnEditChangesNothing) {
  MainWindow& w = Open();
  const std::vector<QStringList> before = Table();
  for (const StoredRow& r : kStoredRows) {
    Select(w, r.id);
    w.UpdateBtn().Push();
  }
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Table(), before);
}

TEST_F(RecordSaveTest, AStoredDateInASecondaryFieldComesBackInTheShownForm) {
  // The import stores dotted dates in the stored form; the form shows and
  // saves them as it shows them.
  Exec(QStringLiteral("UPDATE Aufnahmen SET Schnitt = '2012-03-04' WHERE ID = 5"));
  MainWindow& w = Open();
  Select(w, 5);
  w.UpdateBtn().Push();
  EXPECT_EQ(Row(5).value(7), "04.03.2012");
  EXPECT_EQ(Row(5).value(0), "2011-12-24");
}

// Return pushes the save button only while the form can be used.
TEST_F(RecordSaveTest, ReturnSavesOnlyWhileTheFormIsEnabledAndShown) {
  MainWindow& w = Open();
  w.Show();
  w.KeepSel().SetValue(false);
  Select(w, 3);
  w.AufnTitel().SetText(QStringLiteral("per Return"));

  w.TabView().SetValue(1);
  QTest::keyClick(w.TonMenuText().widget(), Qt::Key_Return);
  EXPECT_EQ(Row(3).value(2), "Erster Titel") << "saved from the options page";
  w.TabView().SetValue(0);

  w.RecGroupBox().SetEnabled(false);
  QTest::keyClick(w.RecList().widget(), Qt::Key_Return);
  EXPECT_EQ(Row(3).value(2), "Erster Titel") << "saved from a disabled form";

  w.RecGroupBox().SetEnabled(true);
  w.AufnTitel().SetFocus();
  QTest::keyClick(w.AufnTitel().widget(), Qt::Key_Return);
  EXPECT_EQ(Row(3).value(2), "per Return");
}

// A click on the button and Return in the field both move the focus to the
// button first, so the date field being left is checked before the save
// reads the mark: a rejected date is refused, not stored.
TEST_F(RecordSaveTest, LeavingADateFieldForTheSaveChecksItFirst) {
  const struct {
    const char* how;
    const char* text;
    std::function<void(MainWindow&)> save;
  } ways[] = {
      {"a click on the button", "bald",
       [](MainWindow& w) { QTest::mouseClick(w.UpdateBtn().widget(), Qt::LeftButton); }},
      {"Return in the field", "32.01.2012",
       [](MainWindow& w) { QTest::keyClick(w.AufnSchnitt().widget(), Qt::Key_Return); }},
  };
  MainWindow& w = Open();
  w.Show();
  // Focus changes are only reported within the active window.
  ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
  for (const auto& way : ways) {
    dialogs.Clear();
    FillNew(w);
    w.AufnSchnitt().SetFocus();
    w.AufnSchnitt().SetText(QString::fromUtf8(way.text));
    way.save(w);

    const std::vector<fw::ShownDialog> shown = MessageDialogs();
    ASSERT_EQ(shown.size(), 1u) << way.how;
    EXPECT_TRUE(shown[0].explanation.startsWith(QStringLiteral("Ein Datum wurde nicht erkannt")))
        << way.how;
    EXPECT_EQ(Count(), 3) << way.how;
  }
}

}  // namespace
}  // namespace klangbuch_test
