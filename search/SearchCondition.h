#pragma once
// The search condition as a value: what the search window's controls
// describe (SearchCriteria, read by SearchWindow::Criteria) and the SQL
// condition over Aufnahmen it stands for (SearchCondition), built without
// a window.

#include "framework/Date.h"
#include "framework/String.h"

#include <optional>
#include <vector>

struct SearchCriteria {
  fw::String text;          // the search text, as typed
  fw::String textColumn;    // SearchBy's entry, "" when none is selected
  fw::String match;         // SearchOption's entry, "" when none is selected
  fw::String date;          // the date text, as typed
  fw::String dateColumn;    // SearchDateType's entry, "" when none is selected
  fw::String dateOperator;  // the operator label's text
  bool surr = false;
  bool cd = false;
  bool unfinished = false;

  bool operator==(const SearchCriteria&) const = default;
};

// The condition without the word WHERE; "" for all recordings. Terms come in
// a fixed order (text, date, flags) joined by " AND ". Column names and
// operators come from fixed lists, the search text has its quotes doubled
// and the date is written by the layer, so it is always valid SQL. % and _
// in the search text stay LIKE wildcards on purpose.
fw::String SearchCondition(const SearchCriteria& criteria);

// The day the date text stands for: a year alone, a month with its year
// (M.YYYY or MM.YYYY) or a full DD.MM.YYYY; none for any other text.
std::optional<fw::Date> SearchDate(const fw::String& text);

// The comparison operators, in the order a click on the operator label
// cycles them.
const std::vector<fw::String>& DateOperators();
