// The test support's disk faults reach the connections opened while their
// DiskFaults lives and no other: one opened before or after goes through
// the system's file system, so what one test sets never reaches the next.
#include "framework/db/RecordingsFixture.h"

#include "framework/testsupport/DiskFaults.h"

namespace fw::test {
namespace {

struct Fault {
  const char* name;
  void (*set)(DiskFaults& disk);
  int code;
  const char* message;
};
void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; }

class DiskFaultsTest : public RecordingsTest, public ::testing::WithParamInterface<Fault> {
 protected:
  // A row big enough to make the file grow.
  static void WriteRow(SQLiteDatabase& db) {
    db.SQLExecute(QStringLiteral("INSERT INTO Aufnahmen (Titel) VALUES (hex(randomblob(20000)))"));
  }
};

TEST_P(DiskFaultsTest, ReachOnlyConnectionsOpenedWhileTheirObjectLives) {
  const Fault& f = GetParam();
  const std::unique_ptr<SQLiteDatabase> before = connectAgain();
  {
    DiskFaults disk;
    f.set(disk);
    const std::unique_ptr<SQLiteDatabase> during = connectAgain();
    WriteRow(*during);
    EXPECT_EQ(during->ErrorCode(), f.code);
    EXPECT_EQ(during->ErrorMessage(), String::fromUtf8(f.message));
    WriteRow(*before);
    EXPECT_FALSE(before->Error()) << before->ErrorMessage().toStdString();
  }
  const std::unique_ptr<SQLiteDatabase> after = connectAgain();
  DiskFaults next;
  f.set(next);
  WriteRow(*after);
  EXPECT_FALSE(after->Error()) << after->ErrorMessage().toStdString();
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Aufnahmen")), "2");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiskFaultsTest,
    ::testing::Values(Fault{"DiskFull", [](DiskFaults& d) { d.SetFreeSpace(0); }, 13,
                            "database or disk is full"},
                      Fault{"ReadOnly", [](DiskFaults& d) { d.SetOpenReadOnly(true); }, 8,
                            "attempt to write a readonly database"}),
    [](const ::testing::TestParamInfo<Fault>& p) { return p.param.name; });

}  // namespace
}  // namespace fw::test
