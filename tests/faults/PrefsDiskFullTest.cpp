// The preferences written on a disk that fills up on the way: the message,
// the previous file as it was, and no piece of the new one anywhere.

#include "mainwindow/MainWindowFixture.h"
#include "mainwindow/PrefsTestSupport.h"

#include "support/FileSizeLimit.h"

#include <QDir>

using klangbuch_test::MainWindowFixture;
using namespace prefs_test;

namespace {

// The free bytes on the disk for a file of `needed` bytes: writes past
// them fail (the process's file size limit, which holds for root too).
struct Space {
  const char* name;
  qint64 (*free)(qint64 needed);
};
void PrintTo(const Space& s, std::ostream* os) { *os << s.name; }

class PrefsDiskFull : public MainWindowFixture, public ::testing::WithParamInterface<Space> {
 protected:
  QStringList FilesInPrefsFolder() const {
    return QDir(prefsDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
};

TEST_P(PrefsDiskFull, ShowsTheMessageAndLeavesTheOldFileAlone) {
  const Space& space = GetParam();
  const QByteArray old = Bytes(DesignLinesWith({QStringLiteral("ShowID\tTrue")}));
  ASSERT_TRUE(WriteFile(PrefsPath(), old));
  MainWindow& w = OpenMainWindow();
  w.KeepSel().SetValue(false);
  const QByteArray wanted =
      Bytes(DesignLinesWith({QStringLiteral("ShowID\tTrue"), QStringLiteral("KeepSel\tFalse")}));
  dialogs.Clear();

  {
    const klangbuch_test::FileSizeLimit limit(space.free(wanted.size()));
    ASSERT_TRUE(limit.IsSet());
    MainWindowTestAccess::WritePrefs(w);
  }

  EXPECT_EQ(FilesInPrefsFolder(), QStringList{QStringLiteral("Klangbuch Prefs")});
  if (space.free(wanted.size()) == wanted.size()) {
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ReadFile(PrefsPath()), wanted) << Shown(ReadFile(PrefsPath()));
    return;
  }
  EXPECT_EQ(dialogs.BeepCount(), 1);
  EXPECT_EQ(dialogs.MsgBoxTexts(),
            std::vector<QString>{QStringLiteral("There was an error creating the file.")});
  EXPECT_EQ(ReadFile(PrefsPath()), old) << Shown(ReadFile(PrefsPath()));
}

INSTANTIATE_TEST_SUITE_P(FreeSpace, PrefsDiskFull,
                         ::testing::Values(Space{"DiskAlreadyFull",
                                                 [](qint64) -> qint64 { return 0; }},
                                           Space{"HalfTheFile", [](qint64 n) { return n / 2; }},
                                           Space{"OneByteShort", [](qint64 n) { return n - 1; }},
                                           Space{"JustEnough", [](qint64 n) { return n; }}));

}  // namespace
