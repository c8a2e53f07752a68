// Column widths, the scroll position across refills, and the cost of a fill
// in model signals.
#include "ListboxTestSupport.h"

#include "framework/ui/ListboxColumns.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>

namespace fw::test {
namespace {

int VisibleWidthSum(const QHeaderView* header) {
  int sum = 0;
  for (int c = 0; c < header->count(); ++c) {
    if (!header->isSectionHidden(c)) sum += header->sectionSize(c);
  }
  return sum;
}

struct WidthCase {
  const char* text;
  int columns;
  int available;
  std::vector<int> expected;
};

TEST(ListboxColumns, WidthsFromTheirText) {
  const std::vector<WidthCase> cases = {
      {"0, 75, 180, 180, 100, 100, *", 7, 800, {0, 75, 180, 180, 100, 100, 165}},
      {"*, *", 2, 301, {150, 151}},
      {"100,100", 2, 150, {100, 100}},
      {"50", 3, 250, {50, 100, 100}},  // missing entries share the rest
      {" x , 20", 2, 100, {80, 20}},   // an unreadable entry counts as "*"
      {"200, *", 2, 150, {200, 0}},    // nothing left for "*"
      {"0, 75, 180, 180, 100, 100, *, 9", 2, 100, {0, 75}},
  };
  for (const WidthCase& c : cases) {
    EXPECT_EQ(ui::ResolveColumnWidths(ui::ParseColumnWidths(c.text, c.columns), c.available),
              c.expected)
        << c.text;
  }
}

TEST(ListboxColumns, ZeroHidesAndStarTakesTheRest) {
  ShownListbox f(4);
  const QString widths = "0, 75, 120, *";
  f.list.SetColumnWidths(widths);
  f.list.AddRow(std::vector<String>{"17", "01.02.03", "Titel", "Ort"});
  QApplication::processEvents();
  QHeaderView* header = f.view()->header();
  const int viewport = f.view()->viewport()->width();

  EXPECT_EQ(f.list.ColumnWidths(), widths);
  EXPECT_TRUE(header->isSectionHidden(0));
  EXPECT_EQ(f.list.Cell(0, 0), "17") << "a hidden column keeps its text";
  EXPECT_EQ(header->sectionSize(1), 75);
  EXPECT_EQ(header->sectionSize(2), 120);
  EXPECT_EQ(header->sectionSize(3), viewport - 195);
  EXPECT_EQ(VisibleWidthSum(header), viewport);

  f.view()->resize(f.view()->width() + 60, f.view()->height());
  QApplication::processEvents();
  EXPECT_EQ(VisibleWidthSum(header), f.view()->viewport()->width()) << "after a resize";

  f.list.DeleteAllRows();  // a refill resets the model: the widths stay
  f.list.AddRow(std::vector<String>{"18", "02.02.03", "Titel", "Ort"});
  QApplication::processEvents();
  EXPECT_TRUE(header->isSectionHidden(0));
  EXPECT_EQ(header->sectionSize(1), 75);
  EXPECT_EQ(VisibleWidthSum(header), f.view()->viewport()->width()) << "after a refill";

  f.list.SetColumnWidths("35, 75, 120, *");
  EXPECT_FALSE(header->isSectionHidden(0));
  EXPECT_EQ(header->sectionSize(0), 35);
  EXPECT_EQ(VisibleWidthSum(header), f.view()->viewport()->width());
}

TEST(ListboxColumns, ADraggedColumnKeepsItsWidthAndTheStarColumnGivesWay) {
  ShownListbox f(3);
  f.list.SetColumnWidths("100, *, 50");
  QHeaderView* header = f.view()->header();
  header->resizeSection(0, 140);  // as a drag of the user does
  const int viewport = f.view()->viewport()->width();
  EXPECT_EQ(header->sectionSize(0), 140);
  EXPECT_EQ(header->sectionSize(1), viewport - 190);
  EXPECT_EQ(VisibleWidthSum(header), viewport);
  EXPECT_EQ(f.list.ColumnWidths(), "100, *, 50");
}

TEST(ListboxColumns, ChangingTheCountKeepsTheCellsOfTheRemainingColumns) {
  ShownListbox f(2);
  f.Fill(3);
  f.list.SetColumnCount(3);
  EXPECT_EQ(f.list.Cell(2, 0), "r2");
  EXPECT_EQ(f.list.Cell(2, 1), "c1 r2");
  EXPECT_EQ(f.list.Cell(2, 2), "");
  f.list.SetCell(2, 2, "new");
  EXPECT_EQ(f.view()->model()->index(2, 2).data().toString(), "new");
  f.list.SetColumnCount(1);
  EXPECT_EQ(f.list.Cell(2, 0), "r2");
  EXPECT_EQ(f.list.Cell(2, 1), "");
  EXPECT_EQ(f.view()->header()->count(), 1);
}

TEST(ListboxColumns, NoHorizontalScrollBar) {
  ShownListbox f(2);
  f.list.SetColumnWidths("900, 900");
  EXPECT_EQ(f.view()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(ListboxScroll, ThePositionSurvivesARefill) {
  ShownListbox f;
  f.Fill(300);
  f.list.SetScrollPosition(120);
  EXPECT_EQ(f.list.ScrollPosition(), 120);

  f.Fill(300);
  QApplication::processEvents();  // the refill reaches the view
  EXPECT_EQ(f.list.ScrollPosition(), 120);
  const QModelIndex top = f.view()->indexAt(QPoint(5, 2));
  EXPECT_EQ(top.row(), 120);

  f.Fill(300);  // asked before the event loop runs
  EXPECT_EQ(f.list.ScrollPosition(), 120);

  f.view()->hide();  // as on another tab page
  f.Fill(300);
  QApplication::processEvents();
  f.view()->show();
  QApplication::processEvents();
  EXPECT_EQ(f.list.ScrollPosition(), 120) << "refilled while hidden";

  f.Fill(0);  // an empty result puts it at the top, and there it stays
  EXPECT_EQ(f.list.ScrollPosition(), 0);
  f.Fill(300);
  EXPECT_EQ(f.list.ScrollPosition(), 0);
}

TEST(ListboxScroll, ThePositionStaysInRange) {
  ShownListbox f;
  f.Fill(300);
  f.list.SetScrollPosition(250);
  f.Fill(20);
  EXPECT_LE(f.list.ScrollPosition(), 20);
  f.list.SetScrollPosition(100000);
  EXPECT_LE(f.list.ScrollPosition(), 20);
  f.list.SetScrollPosition(-4);
  EXPECT_EQ(f.list.ScrollPosition(), 0);
  f.list.DeleteAllRows();
  EXPECT_EQ(f.list.ScrollPosition(), 0);
}

TEST(ListboxScroll, SelectingARowOutOfSightBringsItIntoView) {
  ShownListbox f;
  f.Fill(300);
  f.list.SetScrollPosition(100);
  f.list.SetListIndex(102);  // in sight: the list stays
  EXPECT_EQ(f.list.ScrollPosition(), 100);
  f.list.SetListIndex(5);
  EXPECT_EQ(f.list.ScrollPosition(), 5);
}

TEST(ListboxFill, AFillIsOneResetAndNoCellSignals) {
  ShownListbox f;
  f.Fill(50);
  QApplication::processEvents();
  QAbstractItemModel* model = f.view()->model();
  QSignalSpy resets(model, &QAbstractItemModel::modelReset);
  QSignalSpy cells(model, &QAbstractItemModel::dataChanged);
  QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);

  f.Fill(1000);
  QApplication::processEvents();
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(cells.count(), 0);
  EXPECT_EQ(inserts.count(), 0);
  EXPECT_EQ(model->rowCount(), 1000);
  EXPECT_EQ(model->index(999, 1).data().toString(), "c1 r999");
}

TEST(ListboxFill, AppendingToASelectedListKeepsTheSelection) {
  ShownListbox f;
  f.Fill(5);
  f.list.SetListIndex(2);
  const int before = f.changes;
  f.list.AddRow("new");
  QApplication::processEvents();
  EXPECT_EQ(f.list.ListIndex(), 2);
  EXPECT_EQ(f.changes, before);
  EXPECT_EQ(f.view()->model()->rowCount(), 6);

  f.list.SetCell(0, 1, "changed");  // a cell of a shown row shows at once
  EXPECT_EQ(f.view()->model()->index(0, 1).data().toString(), "changed");
}

}  // namespace
}  // namespace fw::test
