// Sort by the program's keys, through its comparison, collation where it
// declines, and sorting by a click on a heading.
#include "ListboxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>

namespace fw::test {
namespace {

using Cells = std::vector<QString>;

void Put(Listbox& list, const Cells& column0, const Cells& column1 = {}) {
  list.DeleteAllRows();
  for (size_t r = 0; r < column0.size(); ++r) {
    list.AddRow(column0[r]);
    if (r < column1.size()) list.SetCell(list.LastIndex(), 1, column1[r]);
  }
}

// Column 0 by number, read through the list as the program does; any
// other column left to the list.
bool ByNumberInColumn0(Listbox& list, Integer row1, Integer row2, Integer column, Integer& result) {
  if (column != 0) return false;
  const int a = list.Cell(row1, 0).toInt();
  const int b = list.Cell(row2, 0).toInt();
  result = a < b ? -1 : (a > b ? 1 : 0);
  return true;
}

struct SortCase {
  const char* what;
  Cells cells;
  int column;
  int direction;
  Cells expected;
};

TEST(ListboxSort, OrdersThroughTheComparisonAndCollation) {
  const std::vector<SortCase> cases = {
      {"numbers through the handler", {"10", "9", "100", "1"}, 0, 1, {"1", "9", "10", "100"}},
      {"numbers descending", {"10", "9", "100", "1"}, 0, -1, {"100", "10", "9", "1"}},
      {"text by collation",
       {"Zebra", "Ärzte", "apfel", "Bär"},
       1,
       1,
       {"apfel", "Ärzte", "Bär", "Zebra"}},
      {"text descending",
       {"Zebra", "Ärzte", "apfel", "Bär"},
       1,
       -1,
       {"Zebra", "Bär", "Ärzte", "apfel"}},
      {"collation is not numeric", {"9", "10"}, 1, 1, {"10", "9"}},
  };
  for (const SortCase& c : cases) {
    ShownListbox f;
    f.list.CompareRows = [&f](Integer a, Integer b, Integer column, Integer& result) {
      return ByNumberInColumn0(f.list, a, b, column, result);
    };
    Put(f.list, c.cells, c.cells);
    f.list.SetSortedColumn(c.column);
    f.list.SetColumnSortDirection(c.column, c.direction);
    f.list.Sort();
    EXPECT_EQ(f.Column(c.column), c.expected) << c.what;
    EXPECT_EQ(f.Column(0), f.Column(1)) << c.what << ": rows move whole";
  }
}

TEST(ListboxSort, IsStableBothWays) {
  ShownListbox f;
  Put(f.list, {"b", "a", "b", "a", "b"}, {"1", "2", "3", "4", "5"});
  f.list.SetSortedColumn(0);
  f.list.Sort();
  EXPECT_EQ(f.Column(1), (Cells{"2", "4", "1", "3", "5"}));
  f.list.SetColumnSortDirection(0, -1);
  f.list.Sort();
  EXPECT_EQ(f.Column(1), (Cells{"1", "3", "5", "2", "4"}));
}

TEST(ListboxSort, KeepsTheSelectedRowSelectedWithoutChange) {
  ShownListbox f;
  Put(f.list, {"d", "b", "a", "c"});
  f.list.SetListIndex(0);  // "d"
  const int before = f.changes;
  f.list.SetSortedColumn(0);
  f.list.Sort();
  EXPECT_EQ(f.list.ListIndex(), 3);
  EXPECT_EQ(f.list.Cell(f.list.ListIndex(), 0), "d");
  EXPECT_EQ(f.changes, before);
  EXPECT_EQ(f.list.LastIndex(), 2) << "the row last added, \"c\", moved to 2";

  f.ClickRow(1);  // the view's selection moved with the row as well
  EXPECT_EQ(f.list.ListIndex(), 1);
  EXPECT_EQ(f.changes, before + 1);
}

TEST(ListboxSort, KeepsAMultipleSelection) {
  ShownListbox f;
  f.list.SetSelectionType(1);
  Put(f.list, {"d", "b", "a", "c"});
  f.list.SetSelected(0, true);
  f.list.SetSelected(2, true);
  const int before = f.changes;
  f.list.SetSortedColumn(0);
  f.list.Sort();
  EXPECT_EQ(f.changes, before);
  for (int r = 0; r < 4; ++r) {
    const bool shouldBe = f.list.Cell(r, 0) == "d" || f.list.Cell(r, 0) == "a";
    EXPECT_EQ(f.list.Selected(r), shouldBe) << f.list.Cell(r, 0).toStdString();
  }
  EXPECT_EQ(f.list.ListIndex(), 0);
}

TEST(ListboxSort, AHeadingClickSortsThenReverses) {
  ShownListbox f;
  int comparisons = 0;
  f.list.CompareRows = [&](Integer a, Integer b, Integer column, Integer& result) {
    ++comparisons;
    return ByNumberInColumn0(f.list, a, b, column, result);
  };
  Put(f.list, {"10", "9", "100"}, {"b", "c", "a"});
  QHeaderView* header = f.view()->header();
  EXPECT_FALSE(header->isSortIndicatorShown());

  f.ClickHeading(0);
  EXPECT_GT(comparisons, 0);
  EXPECT_EQ(f.Column(0), (Cells{"9", "10", "100"}));
  EXPECT_EQ(f.list.HeadingIndex(), 0);
  EXPECT_EQ(f.list.SortedColumn(), 0);
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorSection(), 0);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

  f.ClickHeading(0);
  EXPECT_EQ(f.Column(0), (Cells{"100", "10", "9"}));
  EXPECT_EQ(f.list.ColumnSortDirection(0), -1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

  f.ClickHeading(1);  // another heading sorts in its own direction
  EXPECT_EQ(f.Column(1), (Cells{"a", "b", "c"}));
  EXPECT_EQ(f.list.HeadingIndex(), 1);

  f.list.SetHeadingIndex(-1);
  EXPECT_FALSE(header->isSortIndicatorShown());
}

// Keys by number from column 0, read through the list; none elsewhere. Counts
// the rows asked for.
struct KeyedList {
  KeyedList() {
    f.list.SortKey = [this](Integer row, Integer column) -> std::optional<long long> {
      ++asked;
      if (column != 0) return std::nullopt;
      return f.list.Cell(row, 0).toLongLong();
    };
    f.list.CompareRows = [this](Integer, Integer, Integer, Integer&) {
      ++compared;
      return false;
    };
  }
  ShownListbox f;
  int asked = 0;
  int compared = 0;
};

TEST(ListboxSortKey, OrdersByTheKeysAskedOncePerRowAndStably) {
  const struct {
    const char* what;
    int direction;
    Cells expected;  // column 1, naming the rows
  } cases[] = {
      {"ascending", 1, {"e", "b", "d", "a", "c"}},
      {"descending", -1, {"a", "c", "b", "d", "e"}},
  };
  for (const auto& c : cases) {
    KeyedList k;
    // Beyond the Integer range, and ties that keep their order both ways.
    Put(k.f.list, {"5000000000", "7", "5000000000", "7", "-3"}, {"a", "b", "c", "d", "e"});
    k.f.list.SetSortedColumn(0);
    k.f.list.SetColumnSortDirection(0, c.direction);
    k.f.list.Sort();
    EXPECT_EQ(k.f.Column(1), c.expected) << c.what;
    EXPECT_EQ(k.asked, 5) << c.what;
    EXPECT_EQ(k.compared, 0) << c.what;
  }
}

// Many keys over the whole range, each byte of them varying, with ties:
// the same order as a stable sort of the keys, both ways.
TEST(ListboxSortKey, ManyKeysOrderAsAStableSortWould) {
  std::vector<long long> keys = {std::numeric_limits<long long>::min(),
                                 std::numeric_limits<long long>::max(),
                                 -1,
                                 0,
                                 1,
                                 255,
                                 256};
  unsigned long long state = 12345;
  for (int i = 0; i < 3000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const int width = 8 * (1 + static_cast<int>(state % 8));  // 8 to 64 bits
    const long long k = static_cast<long long>(state >> (64 - width)) - (i % 3 ? 0 : 1000);
    keys.push_back(i % 10 == 0 ? keys[state % keys.size()] : k);  // ties too
  }
  for (const int direction : {1, -1}) {
    KeyedList k;
    Cells cells;
    for (long long key : keys) cells.push_back(QString::number(key));
    Cells names;
    for (size_t i = 0; i < keys.size(); ++i) names.push_back(QString::number(i));
    Put(k.f.list, cells, names);
    k.f.list.SetSortedColumn(0);
    k.f.list.SetColumnSortDirection(0, direction);
    k.f.list.Sort();

    std::vector<size_t> expected(keys.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&](size_t a, size_t b) {
      return direction > 0 ? keys[a] < keys[b] : keys[a] > keys[b];
    });
    Cells expectedNames;
    for (size_t i : expected) expectedNames.push_back(QString::number(i));
    EXPECT_EQ(k.f.Column(1), expectedNames) << direction;
  }
}

TEST(ListboxSortKey, AHeadingClickUsesTheKeysAndAColumnWithoutKeysSortsAsText) {
  KeyedList k;
  Put(k.f.list, {"10", "9", "100"}, {"b", "c", "a"});
  k.f.ClickHeading(0);
  EXPECT_EQ(k.f.Column(0), (Cells{"9", "10", "100"}));
  EXPECT_EQ(k.asked, 3);
  EXPECT_EQ(k.compared, 0);

  k.asked = 0;
  k.f.ClickHeading(1);
  EXPECT_EQ(k.f.Column(1), (Cells{"a", "b", "c"}));
  EXPECT_EQ(k.asked, 1) << "the first row without a key settles it";
  EXPECT_GT(k.compared, 0);
}

TEST(ListboxSortKey, ARowWithoutAKeySendsTheWholeColumnThroughTheComparison) {
  KeyedList k;
  Put(k.f.list, {"10", "", "9"});
  k.f.list.SortKey = [&k](Integer row, Integer) -> std::optional<long long> {
    const QString cell = k.f.list.Cell(row, 0);
    if (cell.isEmpty()) return std::nullopt;
    return cell.toLongLong();
  };
  k.f.list.SetSortedColumn(0);
  k.f.list.Sort();
  EXPECT_EQ(k.f.Column(0), (Cells{"", "10", "9"})) << "as text";
  EXPECT_GT(k.compared, 0);
}

}  // namespace
}  // namespace fw::test
