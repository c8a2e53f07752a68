// The search window's part of the condition: its controls read into the
// criteria, the condition built from them into `filter`, the date kept, and
// the main window's list narrowed by it.

#include "SearchFixture.h"

using klangbuch_test::SearchFixture;

namespace {

class SearchCriteriaRead : public SearchFixture {};

TEST_F(SearchCriteriaRead, EveryControlGoesIntoItsField) {
  SearchWindow& w = Open();
  // Each control set away from its neighbours', so a swap shows.
  const Controls states[] = {
      {.text = "Nacht",
       .by = "Interpret",
       .option = "endet mit",
       .date = "3.2011",
       .dateType = "Fertig",
       .op = "<=",
       .surr = true,
       .unfinished = true},
      {.text = "x'y", .by = "Backup", .date = "2011", .dateType = "BackupDat", .cd = true},
      {},
  };
  for (const Controls& c : states) {
    Set(w, c);
    EXPECT_EQ(w.Criteria(), CriteriaOf(c)) << c.text;
  }
  // A pop-up the program left without an entry reads as "".
  w.SearchBy().SetListIndex(-1);
  w.SearchOption().SetListIndex(-1);
  w.SearchDateType().SetListIndex(-1);
  const SearchCriteria none = w.Criteria();
  EXPECT_EQ(none.textColumn, "");
  EXPECT_EQ(none.match, "");
  EXPECT_EQ(none.dateColumn, "");
}

TEST_F(SearchCriteriaRead, TheConditionReplacesTheFilterAndNarrowsTheList) {
  SearchWindow& w = Open();
  ASSERT_FALSE(w.IsVisible());
  w.filter = QStringLiteral("left over");  // every call replaces it
  Set(w, {.text = "studio",
          .by = "Ort",
          .option = "beginnt mit",
          .date = "3.2011",
          .dateType = "Fertig",
          .op = "<",
          .cd = true});
  const QString condition = SearchCondition(w.Criteria());
  ASSERT_FALSE(condition.isEmpty());
  w.BuildSearchString();
  EXPECT_EQ(w.filter, condition);
  w.BuildSearchString();
  EXPECT_EQ(w.filter, condition) << "a second call";

  main->UpdateRecList();
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text.toStdString();
  EXPECT_EQ(ListedIds(), std::vector<int>{1});
  EXPECT_FALSE(w.IsVisible());

  Set(w, {});
  w.BuildSearchString();
  EXPECT_EQ(w.filter, "");
}

TEST_F(SearchCriteriaRead, TheDateOfASuccessfulParseIsKept) {
  SearchWindow& w = Open();
  EXPECT_FALSE(w.searchDate.has_value()) << "none before the first";
  Set(w, {.date = "2011 "});
  w.BuildSearchString();
  EXPECT_FALSE(w.searchDate.has_value());
  Set(w, {.date = "3.2011"});
  w.BuildSearchString();
  EXPECT_EQ(w.searchDate, fw::Date(2011, 3, 1));
  Set(w, {.date = "13.2011"});
  w.BuildSearchString();
  EXPECT_EQ(w.searchDate, fw::Date(2011, 3, 1)) << "a failed parse leaves it";
}

}  // namespace
