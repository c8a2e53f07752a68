// A preferences file that opens but cannot be read to its end (a failing
// disk, a home folder on a network that drops): none of it takes effect,
// the design values stay, and the close leaves the user's file as it was.

#include "mainwindow/MainWindowFixture.h"
#include "mainwindow/PrefsTestSupport.h"

#include "framework/testsupport/FailingReads.h"

using klangbuch_test::MainWindowFixture;
using namespace prefs_test;

namespace {

// The user's own options: every line differs from the design.
const QByteArray kUsersFile = Bytes({
    Header(),
    QString(),
    QStringLiteral("DeleteDoubleClick\tFalse"),
    QStringLiteral("ConfirmDlog\tFalse"),
    QStringLiteral("ShowID\tTrue"),
    QStringLiteral("SortOnOpen\tTrue\tNummer\tDatum\tTitel\t2"),
    QStringLiteral("KeepSel\tFalse"),
    QStringLiteral("SysMenuPref\tMein System\tPyramix\t1"),
    QStringLiteral("TonMenuPref\tSD-Karte\tCD\t1"),
});

struct Cut {
  const char* name;
  qint64 readable;  // bytes of kUsersFile read before the failure
};
void PrintTo(const Cut& c, std::ostream* os) { *os << c.name; }

qint64 After(const char* text) { return kUsersFile.indexOf(text) + qstrlen(text); }

class PrefsReadError : public MainWindowFixture, public ::testing::WithParamInterface<Cut> {};

TEST_P(PrefsReadError, KeepsTheDesignValuesAndLeavesTheFileAsItWas) {
  ASSERT_TRUE(WriteFile(PrefsPath(), kUsersFile));
  {
    const fw::FailingReads failing(PrefsPath(), GetParam().readable);
    MainWindow& w = OpenMainWindow();
    EXPECT_EQ(MainWindowTestAccess::PrefsText(w).toUtf8(), Bytes(DesignLines()));
  }
  EXPECT_TRUE(dialogs.shown.empty());
  CloseMainWindow();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(ReadFile(PrefsPath()), kUsersFile) << Shown(ReadFile(PrefsPath()));
}

INSTANTIATE_TEST_SUITE_P(Cuts, PrefsReadError,
                         ::testing::Values(Cut{"AtOnce", 0},
                                           Cut{"AtALineEnd", After("ShowID\tTrue\r")},
                                           Cut{"InsideTheSortLine", After("SortOnOpen\tTr")},
                                           Cut{"InsideAPresetEntry", After("SysMenuPref\tMein")},
                                           Cut{"BeforeTheLastLineEnd", kUsersFile.size() - 1}),
                         [](const ::testing::TestParamInfo<Cut>& info) {
                           return std::string(info.param.name);
                         });

// The same file read to its end takes effect, so the cases above show the
// read error and not a file the reader ignores.
using PrefsReadWhole = MainWindowFixture;

TEST_F(PrefsReadWhole, TheUsersFileTakesEffectAndIsWrittenBackAsItWas) {
  ASSERT_TRUE(WriteFile(PrefsPath(), kUsersFile));
  MainWindow& w = OpenMainWindow();
  EXPECT_TRUE(w.ShowID().Value());
  EXPECT_EQ(Entries(w.AufnSystem()), (QStringList{"Mein System", "Pyramix"}));
  CloseMainWindow();
  EXPECT_EQ(ReadFile(PrefsPath()), kUsersFile) << Shown(ReadFile(PrefsPath()));
}

}  // namespace
