// A save on a full disk: the database error message, the table as it was,
// the form as typed, and no journal left beside the file.

#include "mainwindow/RecordFormFixture.h"

#include "framework/testsupport/DiskFaults.h"

#include <QDir>

namespace klangbuch_test {
namespace {

const QString kTyped = QStringLiteral("Geändert");

class DatabaseDiskFull : public RecordFormFixture, public ::testing::WithParamInterface<bool> {
 protected:
  fw::DiskFaults disk;
};

TEST_P(DatabaseDiskFull, TheSaveShowsTheMessageAndTheTableStaysAsItWas) {
  const bool stored = GetParam();
  MainWindow& w = Open();
  if (stored) {
    Select(w, 5);
  } else {
    FillNew(w);
  }
  w.AufnTitel().SetText(kTyped);
  const std::vector<QStringList> before = Table();

  disk.SetFreeSpace(0);
  w.UpdateBtn().Push();
  disk.SetFreeSpace(-1);

  EXPECT_EQ(dialogs.MsgBoxTexts(),
            std::vector<QString>{QStringLiteral(
                "Database Error: 13\n\ndatabase or disk is full\n"
                "Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query\nIm Expert Modus")});
  EXPECT_EQ(Table(), before);
  EXPECT_EQ(w.AufnTitel().Text(), kTyped);
  EXPECT_EQ(w.RecGroupBox().Caption(), stored ? "# 5" : " ");
  EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files),
            QStringList{QStringLiteral("recordings.rsd")});
  ExpectNoOpenTransaction();

  w.UpdateBtn().Push();
  EXPECT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_EQ(Count(), static_cast<int>(before.size()) + (stored ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(Saves, DatabaseDiskFull, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& p) {
                           return p.param ? "Update" : "Insert";
                         });

}  // namespace
}  // namespace klangbuch_test
