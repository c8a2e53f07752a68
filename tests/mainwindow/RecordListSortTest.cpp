// The record list's order: the date sort key, the row comparison, the
// option sort applied at every fill, and the sort and column options.

#include "RecordListFixture.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;
using klangbuch_test::RecordListFixture;

namespace {

struct KeyCase {
  int year;  // today's year
  const char* shown;
  int key;
};

const KeyCase kKeys[] = {
    {2026, "05.03.2026", 1260305},
    {2026, "05.03.26", 1260305},
    {2026, "31.12.26", 1261231},  // the current year's digits: 2026
    {2026, "01.01.27", 270101},   // above them: 1927
    {2026, "31.12.99", 991231},
    {2026, "01.01.00", 1000101},
    {2026, "", 1000000},
    {2026, "ja", 1000000},
    {2020, "31.12.26", 261231},  // the window follows today's year
    {2030, "31.12.29", 1291231},
    {2026, " 5.-3.2026", 1259705},  // read as Val reads: blanks skipped, signs count
    {2026,
     "\U0001F3B5"
     "5.03.26",
     1260300},  // positions count characters, not UTF-16 units
};

struct CompareCase {
  int column;
  const char* first;
  const char* second;
  bool handled;
  int result;  // sign; 42: left alone
};

const CompareCase kCompares[] = {
    {1, "31.12.26", "01.01.00", true, 1},
    {1, "01.01.00", "31.12.26", true, -1},
    {1, "01.01.27", "31.12.99", true, -1},
    {1, "05.03.2026", "05.03.26", true, 0},
    {1, "05.03.26", "05.03.2026", true, 0},
    {1, "", "31.12.99", true, 1},
    {1, "", "01.01.00", true, -1},
    {0, "10", "9", true, 1},
    {0, "9", "10", true, -1},
    {0, "7", "7", true, 0},
    {2, "Zebra", "Ärzte", false, 42},
    {6, "a", "b", false, 42},
};

int Sign(int n) { return (n > 0) - (n < 0); }

TEST_F(RecordListFixture, DateAsIntReadsDayMonthAndTwoDigitYearByPosition) {
  MainWindow& mw = Open();
  for (const KeyCase& c : kKeys) {
    mw.today = fw::Date(c.year, 12, 10);
    EXPECT_EQ(mw.DateAsInt(QString::fromUtf8(c.shown)), c.key) << c.shown << " in " << c.year;
  }
}

TEST_F(RecordListFixture, CompareRowsAndTheSortKeyOrderIdsByNumberAndDatesByKey) {
  MainWindow& mw = Open();
  fw::Listbox& list = mw.RecList();
  for (const CompareCase& c : kCompares) {
    list.DeleteAllRows();
    for (const char* cell : {c.first, c.second}) {
      std::vector<fw::String> cells(7, u"x"_s);
      cells[c.column] = QString::fromUtf8(cell);
      list.AddRow(cells);
    }
    fw::Integer result = 42;
    EXPECT_EQ(mw.RecList_CompareRows(list, 0, 1, c.column, result), c.handled)
        << c.column << ": " << c.first << " / " << c.second;
    EXPECT_EQ(c.handled ? Sign(result) : result, c.result)
        << c.column << ": " << c.first << " / " << c.second;
    // The list's sort key is what the comparison compares.
    const std::optional<long long> a = mw.RecList_SortKey(list, 0, c.column);
    const std::optional<long long> b = mw.RecList_SortKey(list, 1, c.column);
    ASSERT_EQ(a.has_value() && b.has_value(), c.handled) << c.column;
    if (c.handled) {
      EXPECT_EQ(Sign(*a > *b ? 1 : (*a < *b ? -1 : 0)), c.result) << c.first << " / " << c.second;
    }
  }
}

TEST_F(RecordListFixture, FillShowsTheListColumnsWithTheDateInItsShownForm) {
  fw::Listbox& list = Open().RecList();
  ASSERT_EQ(list.ListCount(), 6);
  const std::vector<int> ids = Ids(list);
  const auto row = [&](int id) {
    return static_cast<fw::Integer>(std::find(ids.begin(), ids.end(), id) - ids.begin());
  };
  const QStringList first = {u"1"_s,     u"05.03.2026"_s, u"Zebra"_s, u"Die Ärzte"_s,
                             u"WDR 3"_s, u"P 10"_s,       u"Köln"_s};
  const QStringList empty = {u"11"_s, u""_s, u"Öl"_s, u""_s, u""_s, u""_s, u""_s};
  for (fw::Integer c = 0; c < 7; ++c) {
    EXPECT_EQ(list.Cell(row(1), c), first[c]) << "column " << c;
    EXPECT_EQ(list.Cell(row(11), c), empty[c]) << "column " << c;
  }
}

TEST_F(RecordListFixture, DefaultFillSortsByDateDescending) {
  MainWindow& mw = Open();
  fw::Listbox& list = mw.RecList();
  EXPECT_EQ(Ids(list), (std::vector<int>{100, 1, 9, 11, 2, 10}));
  EXPECT_EQ(list.SortedColumn(), 1);
  EXPECT_EQ(list.HeadingIndex(), 1);
  EXPECT_EQ(list.ColumnSortDirection(1), -1);
}

struct OptionCase {
  int option;
  std::vector<int> ids;
};

TEST_F(RecordListFixture, EachSortOptionSortsItsColumnAscendingButTheDate) {
  const OptionCase cases[] = {
      {0, {1, 2, 9, 10, 11, 100}},  // by number, not as text
      {2, {2, 10, 100, 9, 11, 1}},  // Ärzte, Bach, Chor, Mozart, Öl, Zebra
      {5, {11, 9, 1, 10, 2, 100}},  // "", P 1, P 10, P 100, P 9, Q 2: as text
      {1, {100, 1, 9, 11, 2, 10}},  // back to the date, descending
  };
  MainWindow& mw = Open();
  fw::Listbox& list = mw.RecList();
  for (const OptionCase& c : cases) {
    mw.SortOption().SetListIndex(c.option);
    mw.UpdateRecList();
    EXPECT_EQ(Ids(list), c.ids) << "option " << c.option;
    EXPECT_EQ(list.SortedColumn(), c.option);
    EXPECT_EQ(list.HeadingIndex(), c.option);
    EXPECT_EQ(list.ColumnSortDirection(c.option), c.option == 1 ? -1 : 1);
  }
}

TEST_F(RecordListFixture, WithoutSortOnOpenTheFillKeepsTheQueryOrder) {
  MainWindow& mw = Open();
  mw.SortOnOpen().SetValue(false);
  EXPECT_FALSE(mw.SortOption().Enabled());
  mw.UpdateRecList();
  EXPECT_EQ(Ids(mw.RecList()), QueryOrder());

  mw.SortOnOpen().SetValue(true);
  EXPECT_TRUE(mw.SortOption().Enabled());
}

TEST_F(RecordListFixture, SortOptionNamingNoColumnSkipsTheSort) {
  MainWindow& mw = Open();
  mw.SortOption().AddRow(u"Extra"_s);
  for (const fw::Integer option : {7, -1}) {
    mw.SortOption().SetListIndex(option);
    ASSERT_EQ(mw.SortOption().ListIndex(), option);
    mw.UpdateRecList();
    EXPECT_EQ(Ids(mw.RecList()), QueryOrder()) << "option " << option;
    EXPECT_EQ(mw.RecList().SortedColumn(), 1) << "option " << option;
    EXPECT_EQ(mw.RecList().HeadingIndex(), 1) << "option " << option;
  }
}

TEST_F(RecordListFixture, ShowIdSwitchesTheIdColumnWidth) {
  MainWindow& mw = Open();
  const fw::String hidden = u"0, 75, 180, 180, 100, 100, *"_s;
  const fw::String shown = u"35, 75, 180, 180, 100, 100, *"_s;
  EXPECT_EQ(mw.RecList().ColumnWidths(), hidden);
  mw.ShowID().SetValue(true);
  EXPECT_EQ(mw.RecList().ColumnWidths(), shown);
  mw.ShowID().SetValue(false);
  EXPECT_EQ(mw.RecList().ColumnWidths(), hidden);
}

TEST_F(RecordListFixture, ChoosingIdShowsTheIdColumnAndNoOtherChoiceHidesIt) {
  MainWindow& mw = Open();
  ASSERT_FALSE(mw.ShowID().Value());
  mw.SortOption().SetListIndex(0);
  EXPECT_TRUE(mw.ShowID().Value());
  EXPECT_EQ(mw.RecList().ColumnWidths(), u"35, 75, 180, 180, 100, 100, *"_s);
  mw.SortOption().SetListIndex(3);
  EXPECT_TRUE(mw.ShowID().Value());
}

}  // namespace
