// The search condition from the criteria, whatever state the program left
// the controls in.

#include "search/SearchCondition.h"

#include "app/App.h"
#include "framework/String.h"

#include <algorithm>
#include <iterator>

using namespace fw::literals;
using fw::String;

namespace {

// The column of the text term, by the entry of SearchBy.
struct TextColumn {
  String entry;
  String column;
};
const TextColumn kTextColumns[] = {
    {u"Prod.Nummer"_s, u"ProdNr"_s},  {u"Titel"_s, u"Titel"_s}, {u"Interpret"_s, u"Interpret"_s},
    {u"Redaktion"_s, u"Redaktion"_s}, {u"Ort"_s, u"Ort"_s},     {u"Backup"_s, u"Backup"_s},
};

// The text around the search text, by the entry of SearchOption.
struct Match {
  String entry;
  String before;
  String after;
};
const Match kMatches[] = {
    {u"enthält"_s, u" LIKE '%"_s, u"%'"_s},
    {u"ist genau"_s, u" = '"_s, u"'"_s},
    {u"beginnt mit"_s, u" LIKE '"_s, u"%'"_s},
    {u"endet mit"_s, u" LIKE '%"_s, u"'"_s},
};

// The entries of SearchDateType are the column names.
const std::vector<String> kDateColumns = {u"Datum"_s, u"Schnitt"_s, u"Fertig"_s, u"BackupDat"_s};

// The row of `table` for `entry`, or nullptr. A pop-up always has an entry
// selected; only the program can leave it without one.
template <class Row, size_t N>
const Row* RowFor(const Row (&table)[N], const String& entry) {
  const Row* row = std::find_if(std::begin(table), std::end(table),
                                [&](const Row& r) { return r.entry == entry; });
  return row == std::end(table) ? nullptr : row;
}

bool IsOneOf(const String& text, const std::vector<String>& texts) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
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

std::optional<fw::Date> SearchDate(const String& text) {
  fw::Date parsed(0, 0, 0);
  if (!fw::ParseDate(PaddedDate(text), parsed)) return std::nullopt;
  return parsed;
}

const std::vector<String>& DateOperators() {
  static const std::vector<String> operators = {u">="_s, u">"_s, u"="_s, u"<"_s, u"<="_s};
  return operators;
}

String SearchCondition(const SearchCriteria& criteria) {
  // A U+0000 would end the statement's text for the engine and leave the
  // literal open: it goes in as char(0), joined to the literal's pieces.
  const String t = fw::ReplaceAll(App::EscapeSQLData(fw::Uppercase(criteria.text)), fw::Chr(0),
                                  u"' || char(0) || '"_s);
  String condition;
  const TextColumn* column = RowFor(kTextColumns, criteria.textColumn);
  const Match* match = RowFor(kMatches, criteria.match);
  if (!t.isEmpty() && column && match)
    condition = u"upper("_s + column->column + u")"_s + match->before + t + match->after;

  const String& dateColumn = criteria.dateColumn;
  const String& op = criteria.dateOperator;
  const std::optional<fw::Date> date = SearchDate(criteria.date);
  if (date && IsOneOf(dateColumn, kDateColumns) && IsOneOf(op, DateOperators())) {
    if (!condition.isEmpty()) condition += u" AND "_s;
    condition += dateColumn + u" "_s + op + u" '"_s + date->SQLDate() + u"'"_s;
    // "Before a day" must not take in the records that have no such date.
    if (op == u"<"_s || op == u"<="_s) condition += u" AND NOT "_s + dateColumn + u" LIKE ''"_s;
  }

  if (criteria.surr) AppendFlag(condition, u"Surr"_s);
  if (criteria.cd) AppendFlag(condition, u"Format LIKE 'CD'"_s);
  if (criteria.unfinished) AppendFlag(condition, u"Fertig LIKE ''"_s);
  return condition;
}
