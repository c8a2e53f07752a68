// The options tab: the preset lists' "-", "+" and "Vorgabe", the copies made
// by the tab switch, the sort on leaving the tab, and what of it reaches the
// preferences file.

#include "MainWindowFixture.h"
#include "PrefsTestSupport.h"

#include <functional>

using namespace Qt::StringLiterals;
using klangbuch_test::MainWindowFixture;
using namespace prefs_test;

namespace {

constexpr int kInput = 0;
constexpr int kOptions = 1;

// One preset list with the controls that serve it.
struct PresetList {
  const char* name;
  fw::PopupMenu& (MainWindow::*options)() const;
  fw::PopupMenu& (MainWindow::*form)() const;
  fw::TextField& (MainWindow::*field)() const;
  fw::BevelButton& (MainWindow::*add)() const;
  fw::BevelButton& (MainWindow::*remove)() const;
  fw::PushButton& (MainWindow::*setDefault)() const;
  fw::Integer& (*defaultIndex)(MainWindow&);
  const char* key;  // its line in the preferences file
};

void PrintTo(const PresetList& l, std::ostream* os) { *os << l.name; }

const PresetList kLists[] = {
    {"System", &MainWindow::SysMenuPref, &MainWindow::AufnSystem, &MainWindow::SysMenuText,
     &MainWindow::SysMenuAdd, &MainWindow::SysMenuDelete, &MainWindow::SysMenuDef,
     &MainWindowTestAccess::DefSys, "SysMenuPref"},
    {"Format", &MainWindow::TonMenuPref, &MainWindow::AufnTon, &MainWindow::TonMenuText,
     &MainWindow::TonMenuAdd, &MainWindow::TonMenuDelete, &MainWindow::TonMenuDef,
     &MainWindowTestAccess::DefTon, "TonMenuPref"},
};

class OptionsPresets : public MainWindowFixture, public ::testing::WithParamInterface<PresetList> {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    w = &OpenMainWindow();
    design = Entries(Form());
    designDefault = Default();
    w->TabView().SetValue(kOptions);
  }

  fw::PopupMenu& Options() const { return (w->*GetParam().options)(); }
  fw::PopupMenu& Form() const { return (w->*GetParam().form)(); }
  fw::Integer& Default() const { return GetParam().defaultIndex(*w); }
  void Add(const QString& text) {
    (w->*GetParam().field)().SetText(text);
    (w->*GetParam().add)().Action();
  }
  void Remove() { (w->*GetParam().remove)().Action(); }
  void PressDefault() { (w->*GetParam().setDefault)().Push(); }
  // Back to "Eingabe" and "Neu": the form shows the default entry.
  void NewRecord() {
    w->TabView().SetValue(kInput);
    w->NewBtn().Push();
  }
  // The list's line in the file written on closing.
  QString WrittenLine() {
    CloseMainWindow();
    for (const QString& line : QString::fromUtf8(ReadFile(PrefsPath())).split(u'\r'))
      if (line.section(u'\t', 0, 0) == QLatin1String(GetParam().key)) return line;
    return QString();
  }
  QString Line(const QStringList& entries, int index) const {
    return (QStringList{QLatin1String(GetParam().key)} + entries).join(u'\t') + u'\t' +
           QString::number(index);
  }

  MainWindow* w = nullptr;
  QStringList design;
  int designDefault = 0;
};

TEST_P(OptionsPresets, EnteringTheTabCopiesTheFormEntriesAndSelectsTheDefault) {
  w->TabView().SetValue(kInput);
  Form().AddRow(u"MiniDisc"_s);
  Default() = 5;
  w->TabView().SetValue(kOptions);
  EXPECT_EQ(Entries(Options()), design + QStringList{u"MiniDisc"_s});
  EXPECT_EQ(Options().ListIndex(), 5);
}

TEST_P(OptionsPresets, AddAppendsTheTypedTextUnselectedAndEmptiesTheField) {
  struct Case {
    QString typed, added;
  };
  const Case cases[] = {{u"CD"_s, u"CD"_s},
                        {u"CD"_s, u"CD"_s},
                        {u"-"_s, u"\u2013"_s},
                        {QString(), QString()},
                        {u"--"_s, u"--"_s},
                        {u" - "_s, u" - "_s},
                        {u"a\tb\rc\nd"_s, u"a b c d"_s}};
  Options().SetListIndex(3);
  QStringList expected = design;
  for (const Case& c : cases) {
    Add(c.typed);
    expected << c.added;
    EXPECT_EQ(Entries(Options()), expected) << c.typed.toStdString();
    EXPECT_EQ(Options().ListIndex(), 3);
    EXPECT_EQ((w->*GetParam().field)().Text(), QString());
  }
  EXPECT_EQ(Default(), designDefault);
}

TEST_P(OptionsPresets, DeleteRemovesTheSelectedEntryAndSelectsTheOneBefore) {
  QStringList expected = design;
  Options().SetListIndex(3);
  Remove();
  expected.removeAt(3);
  EXPECT_EQ(Entries(Options()), expected);
  EXPECT_EQ(Options().ListIndex(), 2);

  Options().SetListIndex(0);
  Remove();
  expected.removeAt(0);
  EXPECT_EQ(Entries(Options()), expected);
  EXPECT_EQ(Options().ListIndex(), -1);

  Remove();  // nothing selected: nothing happens
  EXPECT_EQ(Entries(Options()), expected);
  EXPECT_EQ(Options().ListIndex(), -1);
  EXPECT_EQ(Default(), designDefault);
}

TEST_P(OptionsPresets, DeleteInAnEmptyListDoesNothing) {
  while (Options().ListCount() > 0) {
    Options().SetListIndex(0);
    Remove();
  }
  Remove();
  EXPECT_EQ(Options().ListCount(), 0);
}

TEST_P(OptionsPresets, DeletingBeforeTheDefaultMovesItToTheNextEntry) {
  Options().SetListIndex(0);
  Remove();
  EXPECT_EQ(Default(), designDefault);
  NewRecord();
  EXPECT_EQ(Form().Text(), design[designDefault + 1]);
}

TEST_P(OptionsPresets, ADefaultPastTheEndSelectsNothingForANewRecord) {
  Options().SetListIndex(6);
  PressDefault();
  Remove();
  EXPECT_EQ(Default(), 6);
  NewRecord();
  EXPECT_EQ(Form().ListIndex(), -1);
}

TEST_P(OptionsPresets, VorgabeMakesTheSelectedEntryTheDefaultOfNewRecords) {
  Options().SetListIndex(4);
  PressDefault();
  EXPECT_EQ(Default(), 4);
  NewRecord();
  EXPECT_EQ(Form().ListIndex(), 4);
  EXPECT_EQ(Form().Text(), design[4]);

  w->TabView().SetValue(kOptions);
  Options().SetListIndex(-1);
  PressDefault();
  EXPECT_EQ(Default(), -1);
  NewRecord();
  EXPECT_EQ(Form().ListIndex(), -1);
}

TEST_P(OptionsPresets, LeavingCopiesTheEntriesBackAndKeepsTheFormSelection) {
  struct Case {
    const char* name;
    int shown;       // the form's selection before the visit, -1 none
    int deleted;     // the option entry deleted during the visit
    int reselected;  // the form's selection after it
  };
  // Entry 3 shifts down, deleted entry 1 comes back at the end, none stays none.
  for (Case c : {Case{"Shifted", 3, 0, 2}, Case{"Deleted", 1, 1, 7}, Case{"None", -1, 0, -1}}) {
    w->TabView().SetValue(kInput);
    Form().DeleteAllRows();
    for (const QString& e : design) Form().AddRow(e);
    Form().SetListIndex(c.shown);
    w->TabView().SetValue(kOptions);
    Add(u"Neu"_s);
    Options().SetListIndex(c.deleted);
    Remove();
    w->TabView().SetValue(kInput);

    QStringList expected = design;
    expected.removeAt(c.deleted);
    expected << u"Neu"_s;
    if (c.reselected == expected.size()) expected << design[c.shown];
    EXPECT_EQ(Entries(Form()), expected) << c.name;
    EXPECT_EQ(Form().ListIndex(), c.reselected) << c.name;
  }
}

TEST_P(OptionsPresets, EditsReachTheFileWithoutGoingBackAndTheSelectionIsTheIndex) {
  Add(u"X"_s);
  Options().SetListIndex(1);
  EXPECT_EQ(WrittenLine(), Line(design + QStringList{u"X"_s}, 1));
  EXPECT_EQ(Default(), designDefault);
}

TEST_P(OptionsPresets, DeletingTheFirstEntryWritesMinusOneAndTheNextStartSelectsNothing) {
  Options().SetListIndex(0);
  Remove();
  EXPECT_EQ(WrittenLine(), Line(design.mid(1), -1));
  MainWindow& next = OpenMainWindow();
  EXPECT_EQ(Entries((next.*GetParam().options)()), design.mid(1));
  EXPECT_EQ((next.*GetParam().options)().ListIndex(), -1);
}

TEST_P(OptionsPresets, AValueTheFormAppendedReachesTheFileOnlyAfterAVisitToTheTab) {
  w->TabView().SetValue(kInput);
  Form().AddRow(u"MiniDisc"_s);  // as loading a record with an unknown value does
  EXPECT_EQ(WrittenLine(), Line(design, designDefault));

  MainWindow& next = OpenMainWindow();
  (next.*GetParam().form)().AddRow(u"MiniDisc"_s);
  next.TabView().SetValue(kOptions);
  EXPECT_EQ(WrittenLine(), Line(design + QStringList{u"MiniDisc"_s}, designDefault));
}

INSTANTIATE_TEST_SUITE_P(BothLists, OptionsPresets, ::testing::ValuesIn(kLists),
                         [](const ::testing::TestParamInfo<PresetList>& info) {
                           return std::string(info.param.name);
                         });

// Leaving the tab sorts the record list only when sorting is on and either
// it was off as the tab was entered or the sort choice changed meanwhile.
struct SortCase {
  const char* name;
  bool sortOnEntry;
  std::function<void(MainWindow&)> visit;
  bool sorted;
};

void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }

const SortCase kSortCases[] = {
    {"OnAndUntouched", true, [](MainWindow&) {}, false},
    {"OnUncheckedAndCheckedAgain", true,
     [](MainWindow& w) {
       w.SortOnOpen().SetValue(false);
       w.SortOnOpen().SetValue(true);
     },
     false},
    {"OnAndChoiceChangedAndBack", true,
     [](MainWindow& w) {
       w.SortOption().SetListIndex(3);
       w.SortOption().SetListIndex(2);
     },
     true},
    {"OffAndCheckedDuringTheVisit", false, [](MainWindow& w) { w.SortOnOpen().SetValue(true); },
     true},
    {"OnAndUncheckedDuringTheVisit", true, [](MainWindow& w) { w.SortOnOpen().SetValue(false); },
     false},
    {"OffAndChoiceChanged", false, [](MainWindow& w) { w.SortOption().SetListIndex(3); }, false},
};

class OptionsSortOnLeaving : public MainWindowFixture,
                             public ::testing::WithParamInterface<SortCase> {};

TEST_P(OptionsSortOnLeaving, SortsOnlyWhenTheVisitAsksForIt) {
  const SortCase& c = GetParam();
  MainWindow& w = OpenMainWindow();
  w.SortOption().SetListIndex(2);  // by title, which is also the interpret order below
  w.SortOnOpen().SetValue(c.sortOnEntry);
  fw::Listbox& list = w.RecList();
  list.DeleteAllRows();
  for (const char* title : {"B", "C", "A"})
    list.AddRow({u"1"_s, u"01.01.2020"_s, QString::fromLatin1(title), QString::fromLatin1(title)});

  w.TabView().SetValue(kOptions);
  c.visit(w);
  w.TabView().SetValue(kInput);

  QStringList titles;
  for (int row = 0; row < list.ListCount(); ++row) titles << list.Cell(row, 2);
  const QStringList sorted{u"A"_s, u"B"_s, u"C"_s}, unsorted{u"B"_s, u"C"_s, u"A"_s};
  EXPECT_EQ(titles, c.sorted ? sorted : unsorted);
}

INSTANTIATE_TEST_SUITE_P(Visits, OptionsSortOnLeaving, ::testing::ValuesIn(kSortCases),
                         [](const ::testing::TestParamInfo<SortCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
