// The search window's controls read into the criteria, the one place that
// reads them, and the condition built from them.

#include "search/SearchWindow.h"

SearchCriteria SearchWindow::Criteria() const {
  return {.text = SearchFor().Text(),
          .textColumn = SearchBy().Text(),
          .match = SearchOption().Text(),
          .date = SearchByDate().Text(),
          .dateColumn = SearchDateType().Text(),
          .dateOperator = DateOperator().Text(),
          .surr = SearchSurr().Value(),
          .cd = SearchCD().Value(),
          .unfinished = SearchUnfinished().Value()};
}

void SearchWindow::BuildSearchString() {
  const SearchCriteria criteria = Criteria();
  if (const std::optional<fw::Date> date = SearchDate(criteria.date)) searchDate = *date;
  filter = SearchCondition(criteria);
}
