// Transactions, autocommit and a second connection's locks.
#include "framework/db/RecordingsFixture.h"

namespace fw::test {
namespace {

const String kCount = QStringLiteral("SELECT count(*) FROM Aufnahmen");

TEST_F(RecordingsTest, ARolledBackInsertLeavesNothing) {
  db_.SQLExecute(QStringLiteral("begin transaction"));
  insert({{"Titel", QStringLiteral("weg")}});
  EXPECT_EQ(scalar(kCount), QStringLiteral("1"));
  db_.Rollback();
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(kCount), QStringLiteral("0"));
  EXPECT_EQ(scalar(*connectAgain(), kCount), QStringLiteral("0"));
}

TEST_F(RecordingsTest, ACommitIsSeenByASecondConnection) {
  auto other = connectAgain();
  db_.SQLExecute(QStringLiteral("begin transaction"));
  insert({{"Titel", QStringLiteral("eins")}});
  EXPECT_EQ(scalar(*other, kCount), QStringLiteral("0"));
  db_.Commit();
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(*other, kCount), QStringLiteral("1"));
}

TEST_F(RecordingsTest, OutsideATransactionEveryStatementCommitsAndEndingNoneDoesNothing) {
  auto other = connectAgain();
  insert({{"Titel", QStringLiteral("sofort")}});
  EXPECT_EQ(scalar(*other, kCount), QStringLiteral("1"));
  db_.Rollback();
  EXPECT_FALSE(db_.Error());
  db_.Commit();
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(kCount), QStringLiteral("1"));
}

class LockTest : public RecordingsTest {
 protected:
  void SetUp() override {
    RecordingsTest::SetUp();
    other_ = connectAgain();
    db_.SetBusyTimeout(20);
    other_->SetBusyTimeout(20);
  }
  void expectLocked(const SQLiteDatabase& db) {
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.ErrorCode(), 5);
    EXPECT_EQ(db.ErrorMessage(), QStringLiteral("database is locked"));
  }
  std::unique_ptr<SQLiteDatabase> other_;
};

TEST_F(LockTest, AnInsertBlockedByAnotherWriterReportsTheLock) {
  other_->SQLExecute(QStringLiteral("begin transaction"));
  other_->SQLExecute(QStringLiteral("INSERT INTO Aufnahmen (Titel) VALUES ('dort')"));
  DatabaseRecord record;
  record.Column(QStringLiteral("Titel"), QStringLiteral("hier"));
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  expectLocked(db_);
  // The connection stays usable once the lock is gone.
  other_->Commit();
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Titel) FROM Aufnahmen")),
            QStringLiteral("dort,hier"));
}

TEST_F(LockTest, ACommitBlockedByAReaderReportsTheLockAndKeepsTheTransaction) {
  db_.SQLExecute(QStringLiteral("begin transaction"));
  insert({{"Titel", QStringLiteral("wartet")}});
  other_->SQLExecute(QStringLiteral("begin transaction"));
  EXPECT_EQ(scalar(*other_, kCount), QStringLiteral("0"));  // holds its read lock
  db_.Commit();
  expectLocked(db_);
  other_->Rollback();
  db_.Commit();
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(*other_, kCount), QStringLiteral("1"));
}

// The scoped transaction: how each way of leaving its scope ends it.

enum class Ending { kCommit, kScopeEnd, kFailedStatement, kEndedByRollback };
struct EndingCase {
  Ending ending;
  bool kept;             // the insert is in the file afterwards
  bool errorAfterScope;  // the connection's Error once the scope has ended
};
void PrintTo(const EndingCase& c, std::ostream* os) {
  static const char* const kNames[] = {"commit", "scope end", "failed statement",
                                       "ended by a rollback"};
  *os << kNames[int(c.ending)];
}

class TransactionEndingTest : public RecordingsTest,
                              public ::testing::WithParamInterface<EndingCase> {};

TEST_P(TransactionEndingTest, KeepsTheWorkOnlyWhenCommittedAndNeverStaysOpen) {
  const EndingCase& c = GetParam();
  auto other = connectAgain();
  {
    Transaction transaction(db_);
    ASSERT_TRUE(transaction.Began());
    EXPECT_FALSE(db_.Error());
    insert({{"Titel", QStringLiteral("eins")}});
    EXPECT_EQ(scalar(*other, kCount), QStringLiteral("0"));
    switch (c.ending) {
      case Ending::kCommit:
        EXPECT_TRUE(transaction.Commit());
        EXPECT_FALSE(db_.Error());
        break;
      case Ending::kScopeEnd: break;
      case Ending::kFailedStatement:
        db_.SQLExecute(QStringLiteral("INSERT INTO Nirgends VALUES (1)"));
        break;
      case Ending::kEndedByRollback: db_.Rollback(); break;
    }
  }
  EXPECT_EQ(db_.Error(), c.errorAfterScope);
  if (c.errorAfterScope) {
    EXPECT_EQ(db_.ErrorMessage(), QStringLiteral("no such table: Nirgends"));
  }
  EXPECT_EQ(scalar(*other, kCount), c.kept ? QStringLiteral("1") : QStringLiteral("0"));
  // Nothing stays open: a new transaction begins.
  Transaction next(db_);
  EXPECT_TRUE(next.Began());
}

INSTANTIATE_TEST_SUITE_P(Endings, TransactionEndingTest,
                         ::testing::Values(EndingCase{Ending::kCommit, true, false},
                                           EndingCase{Ending::kScopeEnd, false, false},
                                           EndingCase{Ending::kFailedStatement, false, true},
                                           EndingCase{Ending::kEndedByRollback, false, false}));

TEST_F(RecordingsTest, ATransactionThatCannotBeginReportsItAndLeavesTheOpenOneAlone) {
  db_.SQLExecute(QStringLiteral("begin transaction"));
  insert({{"Titel", QStringLiteral("draußen")}});
  {
    Transaction inner(db_);
    EXPECT_FALSE(inner.Began());
    EXPECT_TRUE(db_.Error());
    EXPECT_EQ(db_.ErrorCode(), 1);
    EXPECT_FALSE(inner.Commit());
  }
  // The outer transaction is still open and still holds its insert.
  EXPECT_EQ(scalar(kCount), QStringLiteral("1"));
  db_.Rollback();
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(scalar(kCount), QStringLiteral("0"));
}

TEST_F(LockTest, AFailedCommitIsReportedAndTheScopeEndRollsBack) {
  {
    Transaction transaction(db_);
    insert({{"Titel", QStringLiteral("wartet")}});
    other_->SQLExecute(QStringLiteral("begin transaction"));
    EXPECT_EQ(scalar(*other_, kCount), QStringLiteral("0"));  // holds its read lock
    EXPECT_FALSE(transaction.Commit());
    expectLocked(db_);
    other_->Rollback();
  }
  expectLocked(db_);  // still readable after the closing rollback
  EXPECT_EQ(scalar(*other_, kCount), QStringLiteral("0"));
  EXPECT_EQ(scalar(kCount), QStringLiteral("0"));
}

}  // namespace
}  // namespace fw::test

namespace fw::test {
namespace {

// Inserts of the same columns share one kept statement: it must follow a
// changed table, give way to other columns, and never hold a lock between
// inserts, also after one failed.
TEST_F(LockTest, TheKeptInsertStatementHoldsNoLockAndFollowsTheTable) {
  DatabaseRecord record;
  record.Column(QStringLiteral("Titel"), QStringLiteral("eins"));
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  other_->SQLExecute(QStringLiteral("begin transaction"));
  other_->SQLExecute(QStringLiteral("INSERT INTO Aufnahmen (Titel) VALUES ('dort')"));
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  expectLocked(db_);
  other_->Commit();  // the failed insert's statement keeps nothing open
  EXPECT_FALSE(other_->Error());

  db_.SQLExecute(
      QStringLiteral("CREATE TRIGGER laut BEFORE INSERT ON Aufnahmen "
                     "BEGIN SELECT RAISE(ABORT, 'laut'); END"));
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  EXPECT_EQ(db_.ErrorMessage(), QStringLiteral("laut"));
  db_.SQLExecute(QStringLiteral("DROP TRIGGER laut"));
  DatabaseRecord other;
  other.Column(QStringLiteral("Ort"), QStringLiteral("Köln"));
  db_.InsertRecord(QStringLiteral("Aufnahmen"), other);
  db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(column(QStringLiteral("SELECT coalesce(Titel, Ort) FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("eins|dort|Köln|eins"));
}

}  // namespace
}  // namespace fw::test
