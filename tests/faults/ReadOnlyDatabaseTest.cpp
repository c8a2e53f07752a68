// A catalogue the program may only read: every write shows the database
// error message, and the file keeps every row as it was.
//
// chmod does not stop root, so the file is opened read-only by the test
// support's file system, which is how the engine itself opens a
// write-protected file.

#include "faults/Faults.h"
#include "mainwindow/RecordFormFixture.h"

#include "framework/testsupport/DiskFaults.h"

namespace klangbuch_test {
namespace {

const QString kTyped = QStringLiteral("Geändert");

struct Write {
  const char* name;
  void (*run)(MainWindow& w);
};
void PrintTo(const Write& c, std::ostream* os) { *os << c.name; }

class ReadOnlyDatabase : public RecordFormFixture, public ::testing::WithParamInterface<Write> {
 protected:
  fw::DiskFaults disk;

 public:
  using RecordFormFixture::FillNew;
  using RecordFormFixture::Select;
};

TEST_P(ReadOnlyDatabase, EveryWriteShowsTheMessageAndTheFileKeepsItsRows) {
  const std::vector<QStringList> before = Table();
  disk.SetOpenReadOnly(true);
  MainWindow& w = Open();
  disk.SetOpenReadOnly(false);
  EXPECT_EQ(w.RecList().ListCount(), 3);

  GetParam().run(w);

  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>{kReadOnlyDatabaseMessage});
  EXPECT_EQ(Table(), before);
  ExpectNoOpenTransaction();
}

INSTANTIATE_TEST_SUITE_P(Writes, ReadOnlyDatabase,
                         ::testing::Values(Write{"UpdateKeepsWhatWasTyped",
                                                 [](MainWindow& w) {
                                                   ReadOnlyDatabase::Select(w, 5);
                                                   w.AufnTitel().SetText(kTyped);
                                                   w.UpdateBtn().Push();
                                                   EXPECT_EQ(w.AufnTitel().Text(), kTyped);
                                                   EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
                                                 }},
                                           Write{"InsertKeepsTheNewRecord",
                                                 [](MainWindow& w) {
                                                   ReadOnlyDatabase::FillNew(w);
                                                   w.UpdateBtn().Push();
                                                   EXPECT_EQ(w.AufnTitel().Text(), "Neu");
                                                   EXPECT_EQ(w.RecGroupBox().Caption(), " ");
                                                 }},
                                           Write{"DeleteKeepsTheRowListed", [](MainWindow& w) {
                                                   w.ConfirmDlog().SetValue(false);
                                                   ReadOnlyDatabase::Select(w, 5);
                                                   w.DeleteBtn().Push();
                                                   EXPECT_EQ(w.RecList().ListCount(), 3);
                                                 }}));

}  // namespace
}  // namespace klangbuch_test
