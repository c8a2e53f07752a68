// ListIndex, Change and DoubleClick as the user and the program drive them.
#include "ListboxTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace fw::test {
namespace {

struct ChangeStep {
  const char* what;
  std::function<void(ShownListbox&)> act;
  int listIndex;
  int changes;  // Change runs caused by this step
};

TEST(ListboxSelection, ChangeRunsOnceForEveryRealChangeOfListIndex) {
  const std::vector<ChangeStep> steps = {
      {"click a row", [](ShownListbox& f) { f.ClickRow(2); }, 2, 1},
      {"click the same row", [](ShownListbox& f) { f.ClickRow(2); }, 2, 0},
      {"program sets another row", [](ShownListbox& f) { f.list.SetListIndex(4); }, 4, 1},
      {"program sets the same row", [](ShownListbox& f) { f.list.SetListIndex(4); }, 4, 0},
      {"out of range above", [](ShownListbox& f) { f.list.SetListIndex(5); }, -1, 1},
      {"out of range below, nothing selected", [](ShownListbox& f) { f.list.SetListIndex(-3); }, -1,
       0},
      {"program sets a row again", [](ShownListbox& f) { f.list.SetListIndex(1); }, 1, 1},
      {"key down", [](ShownListbox& f) { QTest::keyClick(f.view(), Qt::Key_Down); }, 2, 1},
      {"click beside the rows", [](ShownListbox& f) { f.Click(f.BelowRows()); }, -1, 1},
      {"click beside the rows again", [](ShownListbox& f) { f.Click(f.BelowRows()); }, -1, 0},
      {"select, then empty the list",
       [](ShownListbox& f) {
         f.list.SetListIndex(3);
         f.list.DeleteAllRows();
       },
       -1, 2},
      {"empty a list without a selection", [](ShownListbox& f) { f.list.DeleteAllRows(); }, -1, 0},
      {"refill an unselected list", [](ShownListbox& f) { f.Fill(5); }, -1, 0},
      {"select, then refill",
       [](ShownListbox& f) {
         f.list.SetListIndex(0);
         f.Fill(5);
       },
       -1, 2},
      {"click a row of the refilled list", [](ShownListbox& f) { f.ClickRow(4); }, 4, 1},
  };

  ShownListbox f;
  f.Fill(5);
  QApplication::processEvents();
  for (const ChangeStep& step : steps) {
    const int before = f.changes;
    step.act(f);
    EXPECT_EQ(f.list.ListIndex(), step.listIndex) << step.what;
    EXPECT_EQ(f.changes - before, step.changes) << step.what;
    if (step.changes > 0) {
      EXPECT_EQ(f.indexInChange, step.listIndex) << step.what;
    }
  }
}

TEST(ListboxSelection, EmptyingAListRunsChangeWhileTheListIsAlreadyEmpty) {
  ShownListbox f;
  f.Fill(3);
  f.list.SetListIndex(1);
  int countInChange = -1;
  f.list.Change = [&] { countInChange = f.list.ListCount(); };
  f.list.DeleteAllRows();
  EXPECT_EQ(countInChange, 0);
}

TEST(ListboxSelection, DoubleClickRunsOnARowAndBesideTheRows) {
  ShownListbox f;
  f.Fill(3);
  QApplication::processEvents();
  QTest::mouseDClick(f.view()->viewport(), Qt::LeftButton, {}, f.RowCenter(1));
  EXPECT_EQ(f.doubleClicks, 1);
  EXPECT_EQ(f.list.ListIndex(), 1);
  QTest::mouseDClick(f.view()->viewport(), Qt::LeftButton, {}, f.BelowRows());
  EXPECT_EQ(f.doubleClicks, 2);
  EXPECT_EQ(f.list.ListIndex(), -1);
}

TEST(ListboxSelection, RemoveRowRunsChangeOnlyWhenTheSelectedRowGoes) {
  ShownListbox f;
  f.Fill(5);
  f.list.SetListIndex(3);
  const int before = f.changes;

  f.list.RemoveRow(1);  // above the selection: the same row stays selected
  EXPECT_EQ(f.list.ListIndex(), 2);
  EXPECT_EQ(f.list.Cell(2, 0), "r3");
  EXPECT_EQ(f.changes, before);

  f.list.RemoveRow(2);
  EXPECT_EQ(f.list.ListIndex(), -1);
  EXPECT_EQ(f.changes, before + 1);
  EXPECT_EQ(f.list.ListCount(), 3);
  f.list.RemoveRow(7);  // out of range: nothing
  EXPECT_EQ(f.list.ListCount(), 3);
}

TEST(ListboxSelection, LastIndexIsTheRowLastAdded) {
  ShownListbox f;
  EXPECT_EQ(f.list.LastIndex(), -1);
  f.list.AddRow("a");
  f.list.AddRow(std::vector<String>{"b", "b1"});
  EXPECT_EQ(f.list.LastIndex(), 1);
  EXPECT_EQ(f.list.Cell(1, 1), "b1");
  f.list.RemoveRow(0);
  EXPECT_EQ(f.list.LastIndex(), 0);
  f.list.DeleteAllRows();
  EXPECT_EQ(f.list.LastIndex(), -1);
  f.list.AddRow("c");
  EXPECT_EQ(f.list.LastIndex(), 0);
}

TEST(ListboxSelection, MultipleSelection) {
  ShownListbox f;
  f.list.SetSelectionType(1);
  f.Fill(6);

  f.list.SetSelected(3, true);
  f.list.SetSelected(1, true);
  EXPECT_EQ(f.changes, 2);
  EXPECT_EQ(f.list.ListIndex(), 1);  // the first selected row
  EXPECT_TRUE(f.list.Selected(1));
  EXPECT_TRUE(f.list.Selected(3));
  EXPECT_FALSE(f.list.Selected(2));

  f.list.SetSelected(3, true);  // already selected
  EXPECT_EQ(f.changes, 2);

  f.ClickRow(5, Qt::ControlModifier);  // adds a row; ListIndex stays 1
  EXPECT_EQ(f.changes, 3);
  EXPECT_TRUE(f.list.Selected(5));
  EXPECT_EQ(f.list.ListIndex(), 1);

  f.list.SetSelected(1, false);
  EXPECT_EQ(f.list.ListIndex(), 3);
  EXPECT_EQ(f.changes, 4);

  f.ClickRow(0);  // a plain click selects that row alone
  EXPECT_EQ(f.list.ListIndex(), 0);
  EXPECT_FALSE(f.list.Selected(3));
  EXPECT_FALSE(f.list.Selected(5));

  f.list.SetListIndex(4);
  EXPECT_TRUE(f.list.Selected(4));
  EXPECT_FALSE(f.list.Selected(0));
}

}  // namespace
}  // namespace fw::test
