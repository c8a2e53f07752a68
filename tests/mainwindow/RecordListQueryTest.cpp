// The list query: its text with and without a search condition, a failing
// query, a query without rows, the selection a refill leaves, and the two
// ways back to all recordings.

#include "RecordListFixture.h"

#include <functional>

using namespace Qt::StringLiterals;
using klangbuch_test::kListQuery;
using klangbuch_test::RecordListFixture;

namespace {

fw::String& Filter() { return SearchWindow::SharedInstance().filter; }

const fw::String kQuery = QString::fromLatin1(kListQuery);

TEST_F(RecordListFixture, QueryAppendsTheSearchConditionUnchanged) {
  struct Case {
    fw::String filter;
    fw::String sql;
    std::vector<int> ids;
  };
  const Case cases[] = {
      {u""_s, kQuery, {100, 1, 9, 11, 2, 10}},
      {u"Titel = 'Bach'"_s, kQuery + u" WHERE Titel = 'Bach'"_s, {10}},
      // The search window's check-box conditions begin with a blank.
      {u" Ort = 'Köln'"_s, kQuery + u" WHERE  Ort = 'Köln'"_s, {1}},
  };
  MainWindow& mw = Open();
  for (const Case& c : cases) {
    Filter() = c.filter;
    mw.UpdateRecList();
    EXPECT_EQ(mw.sql, c.sql);
    EXPECT_EQ(Ids(mw.RecList()), c.ids) << c.filter.toStdString();
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordListFixture, FailingQueryKeepsTheRowsAndShowsTheDatabaseError) {
  MainWindow& mw = Open();
  const std::vector<int> before = Ids(mw.RecList());
  Filter() = u"nonsense = "_s;
  mw.UpdateRecList();

  EXPECT_EQ(mw.sql, kQuery + u" WHERE nonsense = "_s);
  EXPECT_EQ(Ids(mw.RecList()), before);
  const std::vector<fw::String> texts = dialogs.MsgBoxTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].startsWith(u"Database Error: 1\n\n"_s)) << texts[0].toStdString();
  EXPECT_TRUE(texts[0].contains(app->KlangDB->ErrorMessage()));
  EXPECT_TRUE(texts[0].contains(u"Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query"_s));
}

TEST_F(RecordListFixture, QueryWithoutRowsEmptiesTheListSilently) {
  Exec(
      u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
      "INSERT INTO Aufnahmen (Datum, Titel) SELECT '2001-01-01', 'Reihe ' || i FROM n"_s);
  MainWindow& mw = Open();
  fw::Listbox& list = mw.RecList();
  ASSERT_EQ(list.ListCount(), 46);
  list.SetScrollPosition(10);
  ASSERT_EQ(list.ScrollPosition(), 10);

  mw.UpdateRecList();  // the same rows again: the position stays
  EXPECT_EQ(list.ScrollPosition(), 10);

  Filter() = u"Titel = 'gibt es nicht'"_s;
  mw.UpdateRecList();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ScrollPosition(), 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordListFixture, RefillLeavesNoRowSelectedAndReportsTheLostSelection) {
  MainWindow& mw = Open();
  fw::Listbox& list = mw.RecList();
  int changes = 0;
  const std::function<void()> bound = list.Change;
  list.Change = [&] {
    ++changes;
    if (bound) bound();
  };

  for (const fw::String& filter : {u""_s, u"Titel = 'gibt es nicht'"_s}) {
    Filter().clear();
    mw.UpdateRecList();
    list.SetListIndex(2);
    changes = 0;
    Filter() = filter;
    mw.UpdateRecList();
    EXPECT_EQ(list.ListIndex(), -1) << filter.toStdString();
    EXPECT_EQ(changes, 1) << filter.toStdString();
  }
  changes = 0;
  mw.UpdateRecList();  // nothing was selected: no change
  EXPECT_EQ(changes, 0);
}

TEST_F(RecordListFixture, AlleAndTheMenuItemBothResetTheSearch) {
  struct Way {
    const char* name;
    std::function<void(MainWindow&)> reset;
  };
  const Way ways[] = {
      {"button Alle", [](MainWindow& w) { w.ClearSearch().Push(); }},
      {"menu item EditSelectAll",
       [](MainWindow& w) {
         const std::function<bool()>* handler = w.MenuHandler(u"EditSelectAll"_s);
         ASSERT_NE(handler, nullptr);
         EXPECT_TRUE((*handler)());
       }},
  };
  MainWindow& mw = Open();
  for (const Way& way : ways) {
    Filter() = u"Titel = 'Bach'"_s;
    mw.UpdateRecList();
    mw.ClearSearch().SetEnabled(true);
    ASSERT_EQ(mw.RecList().ListCount(), 1);

    way.reset(mw);
    EXPECT_TRUE(Filter().isEmpty()) << way.name;
    EXPECT_EQ(mw.sql, kQuery) << way.name;
    EXPECT_EQ(mw.RecList().ListCount(), 6) << way.name;
    EXPECT_FALSE(mw.ClearSearch().Enabled()) << way.name;
    mw.Event_EnableMenuItems();
    EXPECT_FALSE(MenuBar1::Item(u"EditSelectAll"_s).Enabled()) << way.name;
  }
}

TEST_F(RecordListFixture, OpeningWithoutSelectionDisablesTheRecordCommands) {
  // The menu bar outlives windows: start from an enabled item.
  MenuBar1::SharedInstance().FindItem(u"EditDuplicate"_s)->SetEnabled(true);
  MainWindow& mw = Open();
  ASSERT_EQ(mw.RecList().ListIndex(), -1);
  EXPECT_FALSE(mw.RecGroupBox().Enabled());
  EXPECT_FALSE(mw.DeleteBtn().Enabled());
  EXPECT_FALSE(mw.CopyBtn().Enabled());
  EXPECT_FALSE(MenuBar1::Item(u"EditDuplicate"_s).Enabled());
}

}  // namespace
