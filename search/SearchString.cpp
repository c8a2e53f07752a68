// BuildSearchString: the search condition from the window's controls. Terms
// come in a fixed order (text, date, flags) and are joined by " AND ". Column
// names and operators come from fixed lists, the search text has its quotes
// doubled and the date is written by the layer, so a built condition is
// always valid SQL, whatever state the program left the controls in. % and _
// in the search text stay LIKE wildcards on purpose.

#include "search/SearchWindow.h"

#include "app/App.h"
#include "framework/String.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;
using fw::String;

namespace {

// The column of the text term, by the entry of SearchBy.
struct TextColumn {
  const char16_t* entry;
  const char16_t* column;
};
constexpr TextColumn kTextColumns[] = {
    {u"Prod.Nummer", u"ProdNr"}, {u"Titel", u"Titel"}, {u"Interpret", u"Interpret"},
    {u"Redaktion", u"Redaktion"}, {u"Ort", u"Ort"},    {u"Backup", u"Backup"},
};

// The text around the search text, by the entry of SearchOption.
struct Match {
  const char16_t* entry;
  const char16_t* before;
  const char16_t* after;
};
constexpr Match kMatches[] = {
    {u"enthält", u" LIKE '%", u"%'"},
    {u"ist genau", u" = '", u"'"},
    {u"beginnt mit", u" LIKE '", u"%'"},
    {u"endet mit", u" LIKE '%", u"'"},
};

// The entries of SearchDateType are the column names.
constexpr const char16_t* kDateColumns[] = {u"Datum", u"Schnitt", u"Fertig", u"BackupDat"};

// The row of `table` for `entry`, or nullptr. A pop-up always has an entry
// selected; only the program can leave it without one.
template <class Row, size_t N>
const Row* RowFor(const Row (&table)[N], const String& entry) {
  for (const Row& row : table) {
    if (entry == QStringView(row.entry)) return &row;
  }
  return nullptr;
}

template <size_t N>
bool IsOneOf(const String& text, const char16_t* const (&texts)[N]) {
  return std::any_of(std::begin(texts), std::end(texts),
                     [&](const char16_t* t) { return text == QStringView(t); });
}

// The date field's text as ParseDate reads it: a year alone, a month with
// its year, or a full date; any other length parses as nothing.
String PaddedDate(const String& text) {
  switch (fw::Len(text)) {
    case 4: return u"01.01."_s + text;
    case 6: return u"01.0"_s + text;
    case 7: return u"01."_s + text;
    case 10: return text;
    default: return String();
  }
}

// A flag term: after a term with " AND ", alone with its blank only.
void AppendFlag(String& condition, const String& term) {
  condition = (condition.isEmpty() ? u" "_s : condition + u" AND "_s) + term;
}

}  // namespace

void SearchWindow::BuildSearchString() {
  const String t = App::EscapeSQLData(fw::Uppercase(SearchFor().Text()));
  String condition;
  const TextColumn* column = RowFor(kTextColumns, SearchBy().Text());
  const Match* match = RowFor(kMatches, SearchOption().Text());
  if (!t.isEmpty() && column && match) {
    condition = u"upper("_s + String::fromUtf16(column->column) + u")"_s +
                String::fromUtf16(match->before) + t + String::fromUtf16(match->after);
  }

  const String dateColumn = SearchDateType().Text();
  const String op = DateOperator().Text();
  if (fw::ParseDate(PaddedDate(SearchByDate().Text()), searchDate) &&
      IsOneOf(dateColumn, kDateColumns) && IsOneOf(op, kOperators)) {
    if (!condition.isEmpty()) condition += u" AND "_s;
    condition += dateColumn + u" "_s + op + u" '"_s + searchDate.SQLDate() + u"'"_s;
    // "Before a day" must not take in the records that have no such date.
    if (op == u"<" || op == u"<=") condition += u" AND NOT "_s + dateColumn + u" LIKE ''"_s;
  }

  if (SearchSurr().Value()) AppendFlag(condition, u"Surr"_s);
  if (SearchCD().Value()) AppendFlag(condition, u"Format LIKE 'CD'"_s);
  if (SearchUnfinished().Value()) AppendFlag(condition, u"Fertig LIKE ''"_s);
  filter = condition;
}
