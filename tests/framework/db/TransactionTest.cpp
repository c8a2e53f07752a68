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

}  // namespace
}  // namespace fw::test
