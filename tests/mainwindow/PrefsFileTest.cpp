// The preferences file "Klangbuch Prefs" on its bytes: what the main window
// takes from a file when it opens, and what it writes back when it closes.

#include "MainWindowFixture.h"
#include "PrefsTestSupport.h"

#include "framework/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>

using namespace Qt::StringLiterals;
using klangbuch_test::MainWindowFixture;
using namespace prefs_test;

namespace {

QByteArray DesignFile() { return Bytes(DesignLines()); }

QByteArray DesignFileWith(const QStringList& changed) { return Bytes(DesignLinesWith(changed)); }

QByteArray RandomBytes() {
  std::mt19937 gen(20260101);
  QByteArray bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(gen() & 0xFF);
  return bytes;
}

// The design file broken off after `prefix`, in the middle of its line.
QByteArray DesignFileCutAfter(const QByteArray& prefix) {
  const QByteArray whole = DesignFile();
  return whole.left(whole.indexOf(prefix) + prefix.size());
}

struct PrefsCase {
  const char* name;
  std::optional<QByteArray> file;  // nullopt: there is no file
  QStringList written;             // the lines that differ from the design file on closing
  std::function<void(MainWindow&)> check = {};  // more to see after opening
};

void PrintTo(const PrefsCase& c, std::ostream* os) { *os << c.name; }

void ExpectNoFormSelection(MainWindow& w) {
  EXPECT_EQ(w.AufnSystem().ListIndex(), -1);
  EXPECT_EQ(w.AufnTon().ListIndex(), -1);
}

const PrefsCase kCases[] = {
    {"NoFileKeepsTheDesign",
     std::nullopt,
     {},
     [](MainWindow& w) {
       EXPECT_EQ(w.AufnSystem().ListIndex(), 2);
       EXPECT_EQ(w.AufnTon().ListIndex(), 0);
     }},
    {"DesignFileRoundTrips",
     DesignFile(),
     {},
     [](MainWindow& w) {
       ExpectNoFormSelection(w);
       EXPECT_EQ(MainWindowTestAccess::DefSys(w), 2);
       EXPECT_EQ(MainWindowTestAccess::DefTon(w), 0);
       EXPECT_EQ(w.SortOption().ListIndex(), 1);
       EXPECT_TRUE(w.SortOption().Enabled());
       EXPECT_FALSE(w.ShowID().Value());
     }},
    {"ReversedLineOrder",
     [] {
       QStringList lines = DesignLines();
       std::reverse(lines.begin(), lines.end());
       return Bytes(lines);
     }(),
     {},
     ExpectNoFormSelection},
    {"LineFeeds", Bytes(DesignLines(), "\n"), {}, ExpectNoFormSelection},
    {"CrLf", Bytes(DesignLines(), "\r\n"), {}, ExpectNoFormSelection},
    {"ListLineWithoutIndexLosesItsLastEntry",
     DesignFileWith({u"TonMenuPref\tAMS\tCD\tDAT"_s}),
     {u"TonMenuPref\tAMS\tCD\t0"_s}},
    {"KeyAloneEmptiesTheList",
     DesignFileWith({u"SysMenuPref"_s}),
     {u"SysMenuPref\t-1"_s},
     [](MainWindow& w) {
       EXPECT_EQ(w.AufnSystem().ListCount(), 0);
       EXPECT_EQ(MainWindowTestAccess::DefSys(w), 0);
     }},
    {"NonNumericIndexCountsAsZero",
     DesignFileWith({u"SysMenuPref\tSonic\tRadar\tzwei"_s}),
     {u"SysMenuPref\tSonic\tRadar\t0"_s}},
    {"IndexNamingNoEntrySelectsNothing",
     DesignFileWith({u"TonMenuPref\tAMS\tCD\t2"_s, u"SysMenuPref\tSonic\t-3"_s,
                     u"SortOnOpen\tTrue\tID\tDatum rückw.\t5"_s}),
     {u"TonMenuPref\tAMS\tCD\t-1"_s, u"SysMenuPref\tSonic\t-1"_s,
      u"SortOnOpen\tTrue\tID\tDatum rückw.\t-1"_s},
     [](MainWindow& w) { EXPECT_EQ(w.SortOption().ListIndex(), -1); }},
    {"HugeNumbers",
     DesignFileWith({u"SysMenuPref\tSonic\t99999999999999999999"_s,
                     u"TonMenuPref\tAMS\t-99999999999999999999"_s}),
     {u"SysMenuPref\tSonic\t-1"_s, u"TonMenuPref\tAMS\t-1"_s}},
    {"LaterOfTwoEqualKeysWins",
     DesignFile() + "TonMenuPref\tCD\tDAT\t1\rShowID\tTrue\r",
     {u"TonMenuPref\tCD\tDAT\t1"_s, u"ShowID\tTrue"_s}},
    {"UnknownKeysAndAnOldHeaderAreIgnored",
     "Klangbuch v0.9, jemand 1999\r\r" + DesignFile().mid(DesignFile().indexOf('\r') + 2) +
         "Fenster\t10\t20\rsortonopen\tFalse\rSysMenuPref \tA\t0\r",
     {}},
    {"EmptyFileKeepsTheDesign",
     QByteArray(),
     {},
     [](MainWindow& w) { EXPECT_EQ(w.AufnSystem().ListIndex(), 2); }},
    {"RandomBytesKeepTheDesign", RandomBytes(), {}},
    {"FileCutInTheMiddleOfALine",
     DesignFileCutAfter("Sonic\tSequoia\tSequ"),
     {u"SysMenuPref\tSonic\tSequoia\t0"_s}},
    {"OnlyTrueChecksABox",
     DesignFileWith(
         {u"DeleteDoubleClick"_s, u"ConfirmDlog\ttrue"_s, u"ShowID\tTrue"_s, u"KeepSel\tja"_s}),
     {u"DeleteDoubleClick\tFalse"_s, u"ConfirmDlog\tFalse"_s, u"ShowID\tTrue"_s,
      u"KeepSel\tFalse"_s}},
    {"SortByIdChecksShowIdWhateverItsLineSaid",
     DesignFileWith({u"SortOnOpen\tTrue\tID\tDatum rückw.\t0"_s}),
     {u"SortOnOpen\tTrue\tID\tDatum rückw.\t0"_s, u"ShowID\tTrue"_s}},
    {"SortOffDisablesTheSortChoice",
     DesignFileWith({u"SortOnOpen\tFalse\tID\tDatum rückw.\tTitel\t1"_s}),
     {u"SortOnOpen\tFalse\tID\tDatum rückw.\tTitel\t1"_s},
     [](MainWindow& w) { EXPECT_FALSE(w.SortOption().Enabled()); }},
    {"EnDashAndEmptyEntriesSurvive",
     DesignFileWith({u"TonMenuPref\t\u2013\t\tCD\t1"_s}),
     {u"TonMenuPref\t\u2013\t\tCD\t1"_s},
     [](MainWindow& w) {
       EXPECT_EQ(Entries(w.TonMenuPref()), (QStringList{u"\u2013"_s, QString(), u"CD"_s}));
       EXPECT_EQ(w.TonMenuPref().ListIndex(), 1);
     }},
};

class PrefsFile : public MainWindowFixture, public ::testing::WithParamInterface<PrefsCase> {};

TEST_P(PrefsFile, ReadsAndWritesBackWhatTheFileSays) {
  const PrefsCase& c = GetParam();
  if (c.file) {
    ASSERT_TRUE(WriteFile(PrefsPath(), *c.file));
  }
  MainWindow& w = OpenMainWindow();
  EXPECT_TRUE(dialogs.shown.empty());
  if (c.check) c.check(w);
  CloseMainWindow();
  const QByteArray expected = DesignFileWith(c.written);
  const QByteArray written = ReadFile(PrefsPath());
  EXPECT_EQ(written, expected) << Shown(written) << "\nexpected\n" << Shown(expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrefsFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PrefsCase>& info) {
                           return std::string(info.param.name);
                         });

using PrefsWriter = MainWindowFixture;

TEST_F(PrefsWriter, EntriesAreWrittenOnOneLine) {
  MainWindow& w = OpenMainWindow();
  w.TonMenuPref().AddRow(u"a\tb\rc\nd"_s);
  CloseMainWindow();
  EXPECT_EQ(ReadFile(PrefsPath()),
            DesignFileWith({u"TonMenuPref\tAMS\tCD\tDAT\tFS\tlive\tPlatte\tBand\ta b c d\t0"_s}));
}

TEST_F(PrefsWriter, CreatesAMissingPreferencesFolder) {
  const QString folder = prefsDir.filePath(u"neu/konto"_s);
  qputenv("XDG_CONFIG_HOME", folder.toUtf8());
  OpenMainWindow();
  CloseMainWindow();
  EXPECT_EQ(ReadFile(QDir(folder).filePath(u"Klangbuch Prefs"_s)), DesignFile());
  EXPECT_TRUE(dialogs.shown.empty());
}

// The program's name ("Klangbuch", for the titles Qt gives untitled
// windows) does not move the preferences: still the file "Klangbuch Prefs"
// right in $XDG_CONFIG_HOME, else in ~/.config, in no folder of the
// program's own.
TEST_F(PrefsWriter, TheProgramsNameLeavesThePreferencesWhereTheyWere) {
  OpenMainWindow();
  ASSERT_EQ(QCoreApplication::applicationName(), u"Klangbuch"_s);
  CloseMainWindow();
  EXPECT_EQ(ReadFile(prefsDir.filePath(u"Klangbuch Prefs"_s)), DesignFile());
  EXPECT_EQ(QDir(prefsDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{u"Klangbuch Prefs"_s});

  const QByteArray home = qgetenv("HOME");
  const QString fakeHome = prefsDir.filePath(u"home"_s);
  qunsetenv("XDG_CONFIG_HOME");
  qputenv("HOME", fakeHome.toUtf8());
  fw::ResetRuntimeForTesting();
  OpenMainWindow();
  CloseMainWindow();
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", prefsDir.path().toUtf8());
  EXPECT_EQ(ReadFile(fakeHome + u"/.config/Klangbuch Prefs"_s), DesignFile());
  EXPECT_EQ(QDir(fakeHome + u"/.config"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{u"Klangbuch Prefs"_s});
}

// A write that cannot be done: the beep, the message, the old contents
// untouched, and the program still ends normally.
struct WriteFailure {
  const char* name;
  // Makes the writing fail; returns the path whose bytes must not change.
  std::function<QString(const QString& prefsDir)> spoil;
};

void PrintTo(const WriteFailure& f, std::ostream* os) { *os << f.name; }

class PrefsWriteFailure : public MainWindowFixture,
                          public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(PrefsWriteFailure, BeepsShowsTheMessageLeavesTheOldFileAndStillEndsWithZero) {
  const QString kept = GetParam().spoil(prefsDir.path());
  const QByteArray before = ReadFile(kept);
  MainWindow& w = OpenMainWindow();
  w.KeepSel().SetValue(false);  // so a written file would differ
  dialogs.Clear();
  CloseMainWindow();

  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, fw::ShownDialog::kBeep);
  EXPECT_EQ(dialogs.shown[1].kind, fw::ShownDialog::kMsgBox);
  EXPECT_EQ(dialogs.shown[1].text, u"There was an error creating the file."_s);
  EXPECT_EQ(ReadFile(kept), before);
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PrefsWriteFailure,
    ::testing::Values(WriteFailure{"TargetIsAFolder",
                                   [](const QString& dir) {
                                     QDir(dir).mkpath(u"Klangbuch Prefs"_s);
                                     const QString inside = dir + u"/Klangbuch Prefs/inside"_s;
                                     WriteFile(inside, "old");
                                     return inside;
                                   }},
                      // The old preferences file where the preferences folder should be: a
                      // regular file, below which no one can create one, the superuser
                      // included.
                      WriteFailure{"FolderIsAFile",
                                   [](const QString& dir) {
                                     const QString old = dir + u"/Klangbuch Prefs"_s;
                                     WriteFile(old, DesignFile());
                                     qputenv("XDG_CONFIG_HOME", old.toUtf8());
                                     return old;
                                   }},
                      WriteFailure{"FolderPathRunsThroughAFile",
                                   [](const QString& dir) {
                                     const QString blocker = dir + u"/blocker"_s;
                                     WriteFile(blocker, DesignFile());
                                     qputenv("XDG_CONFIG_HOME", (blocker + u"/config"_s).toUtf8());
                                     return blocker;
                                   }}),
    [](const ::testing::TestParamInfo<WriteFailure>& info) {
      return std::string(info.param.name);
    });

}  // namespace
