// A save the database refuses is reported once, writes nothing, keeps what
// was typed, and succeeds once the obstacle is gone.

#include "mainwindow/RecordFormFixture.h"

namespace klangbuch_test {
namespace {

const QString kTyped = QStringLiteral("Geändert");

struct FailureCase {
  Obstacle obstacle;
  bool stored;  // updating a stored record, else inserting a new one
  const char* errorStart;
  // A transaction left open on the program's connection, so the save's
  // commit is the one that fails; else the statement's own commit does.
  bool leftOpen = false;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << (c.stored ? "update, " : "insert, ") << ::testing::PrintToString(c.obstacle)
      << (c.leftOpen ? " of a transaction left open" : "");
}

class RecordSaveFailureTest : public RecordFormFixture,
                              public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RecordSaveFailureTest, ReportsOnceLosesNothingAndTheSameSaveSucceedsLater) {
  const FailureCase& c = GetParam();
  MainWindow& w = Open();
  if (c.stored) {
    Select(w, 5);
  } else {
    FillNew(w);
  }
  w.AufnTitel().SetText(kTyped);
  const std::vector<QStringList> before = Table();
  // The save opens no transaction itself.
  if (c.leftOpen) App::SharedInstance().KlangDB->SQLExecute(QStringLiteral("begin transaction"));
  Raise(c.obstacle, c.stored ? "UPDATE" : "INSERT");

  w.UpdateBtn().Push();
  ASSERT_EQ(DatabaseErrors(), 1);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].startsWith(QLatin1String(c.errorStart)))
      << dialogs.MsgBoxTexts()[0].toStdString();
  Remove(c.obstacle);
  EXPECT_EQ(Table(), before);
  ExpectNoOpenTransaction();
  // The form still holds what was typed, as the same kind of record.
  EXPECT_EQ(w.AufnTitel().Text(), kTyped);
  EXPECT_EQ(w.RecGroupBox().Caption(), c.stored ? "# 5" : " ");
  EXPECT_TRUE(w.RecGroupBox().Enabled());

  w.UpdateBtn().Push();
  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_EQ(Count(), static_cast<int>(before.size()) + (c.stored ? 0 : 1));
  EXPECT_EQ(Rows(QStringLiteral("SELECT ID FROM Aufnahmen WHERE Titel = '%1'").arg(kTyped)),
            (std::vector<QStringList>{{c.stored ? "5" : "8"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, RecordSaveFailureTest,
    ::testing::Values(FailureCase{Obstacle::kTrigger, false, "Database Error: 19\n\nblocked\n"},
                      FailureCase{Obstacle::kTrigger, true, "Database Error: 19\n\nblocked\n"},
                      FailureCase{Obstacle::kWriteLock, false, "Database Error: 5\n"},
                      FailureCase{Obstacle::kWriteLock, true, "Database Error: 5\n"},
                      FailureCase{Obstacle::kCommit, false, "Database Error: 5\n"},
                      FailureCase{Obstacle::kCommit, true, "Database Error: 5\n"},
                      FailureCase{Obstacle::kCommit, false, "Database Error: 5\n", true},
                      FailureCase{Obstacle::kCommit, true, "Database Error: 5\n", true}));

class RecordSaveVanishedTest : public RecordFormFixture {};

TEST_F(RecordSaveVanishedTest, AStoredRecordDeletedMeanwhileIsReportedNotRecreated) {
  MainWindow& w = Open();
  Select(w, 5);
  Exec(QStringLiteral("DELETE FROM Aufnahmen WHERE ID = 5"));
  w.AufnTitel().SetText(kTyped);
  w.UpdateBtn().Push();

  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(w.AufnTitel().Text(), kTyped);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
  ExpectNoOpenTransaction();
}

}  // namespace
}  // namespace klangbuch_test
