// Deleting the selected recording, asked or not, by button or double-click,
// and what a refused delete leaves behind.

#include "mainwindow/RecordFormFixture.h"

namespace klangbuch_test {
namespace {

class RecordDeleteTest : public RecordFormFixture {
 protected:
  bool Listed(MainWindow& w, int id) {
    for (fw::Integer r = 0; r < w.RecList().ListCount(); ++r)
      if (w.RecList().Cell(r, 0) == QString::number(id)) return true;
    return false;
  }
  void ExpectEmptiedAfterDelete(MainWindow& w) {
    EXPECT_EQ(w.RecGroupBox().Caption(), " ");
    EXPECT_EQ(w.AufnTitel().Text(), "");
    EXPECT_EQ(w.RecList().ListIndex(), -1);
    EXPECT_FALSE(w.RecGroupBox().Enabled());
    EXPECT_FALSE(w.DeleteBtn().Enabled());
  }
};

// The answer given to the question, and whether it deletes.
struct AnswerCase {
  const char* name;
  fw::ScriptedDialogs::Answer answer;
  bool deletes;
};
void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class ConfirmedDeleteTest : public RecordDeleteTest,
                            public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ConfirmedDeleteTest, AsksWithTheExactTextsAndOnlyLoeschenDeletes) {
  MainWindow& w = Open();
  Select(w, 5);
  dialogs.AnswerNextDialogWith(GetParam().answer);
  w.DeleteBtn().Push();

  const std::vector<fw::ShownDialog> shown = MessageDialogs();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Möchten Sie die  Aufnahme löschen?");
  EXPECT_EQ(shown[0].explanation, "Dies kann nicht rückgängig gemacht werden.");
  EXPECT_EQ(shown[0].buttons, (std::vector<QString>{"Löschen", "Abbrechen"}));
  EXPECT_EQ(Row(5).isEmpty(), GetParam().deletes);
  EXPECT_EQ(Listed(w, 5), !GetParam().deletes);
  EXPECT_EQ(Count(), GetParam().deletes ? 2 : 3);
  if (GetParam().deletes) {
    ExpectEmptiedAfterDelete(w);
  } else {
    EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
    EXPECT_NE(w.RecList().ListIndex(), -1);
  }
  ExpectNoOpenTransaction();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmedDeleteTest,
    ::testing::Values(AnswerCase{"default", fw::ScriptedDialogs::Answer::Default(), true},
                      AnswerCase{"cancel", fw::ScriptedDialogs::Answer::Cancel(), false},
                      AnswerCase{"closed", fw::ScriptedDialogs::Answer::Close(), false}));

TEST_F(RecordDeleteTest, WithoutTheQuestionOptionTheButtonDeletesAtOnce) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  Select(w, 3);
  w.DeleteBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Table(),
            (std::vector<QStringList>{Expected(kStoredRows[1]), Expected(kStoredRows[2])}));
  EXPECT_EQ(w.RecList().ListCount(), 2);
  ExpectEmptiedAfterDelete(w);
}

TEST_F(RecordDeleteTest, AfterADuplicateTheSourceRowIsWhatGoes) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  Select(w, 7);
  w.CopyBtn().Push();
  w.DeleteBtn().Push();
  EXPECT_TRUE(Row(7).isEmpty());
  EXPECT_EQ(Count(), 2);
}

TEST_F(RecordDeleteTest, ARecordAlreadyGoneIsNoErrorAndTheListIsRefilled) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  Select(w, 7);
  Exec(QStringLiteral("DELETE FROM Aufnahmen WHERE ID = 7"));
  w.DeleteBtn().Push();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.RecList().ListCount(), 2);
  ExpectEmptiedAfterDelete(w);
}

TEST_F(RecordDeleteTest, ADoubleClickDeletesTheRowOnlyWhenTheOptionIsSet) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  ASSERT_TRUE(w.RecList().DoubleClick);

  w.DeleteDoubleClick().SetValue(false);
  Select(w, 3);
  w.RecList().DoubleClick();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");

  w.DeleteDoubleClick().SetValue(true);
  w.RecList().DoubleClick();
  EXPECT_TRUE(Row(3).isEmpty());
  EXPECT_EQ(Count(), 2);
}

TEST_F(RecordDeleteTest, ADoubleClickOnTheEmptyAreaDoesNothingAtAll) {
  MainWindow& w = Open();
  // A new record being typed, nothing selected.
  FillNew(w);
  ASSERT_EQ(w.RecList().ListIndex(), -1);
  w.RecList().DoubleClick();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(w.AufnTitel().Text(), "Neu");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  ExpectNoOpenTransaction();
}

// A delete the database refuses: the trigger aborts the statement, another
// connection's write lock keeps it out, or a reader keeps its commit out.

class RefusedDeleteTest : public RecordDeleteTest,
                          public ::testing::WithParamInterface<Obstacle> {};

TEST_P(RefusedDeleteTest, ReportsOnceKeepsTheRecordAndTheSameDeleteSucceedsLater) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  Select(w, 5);
  Raise(GetParam(), "DELETE");
  w.DeleteBtn().Push();

  EXPECT_EQ(DatabaseErrors(), 1);
  Remove(GetParam());
  EXPECT_EQ(Row(5), Expected(kStoredRows[1]));
  EXPECT_TRUE(Listed(w, 5));
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
  EXPECT_NE(w.RecList().ListIndex(), -1);
  ExpectNoOpenTransaction();

  w.DeleteBtn().Push();
  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_TRUE(Row(5).isEmpty());
  EXPECT_EQ(Count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedDeleteTest,
                         ::testing::Values(Obstacle::kTrigger, Obstacle::kWriteLock,
                                           Obstacle::kCommit));

}  // namespace
}  // namespace klangbuch_test
