// The date readers on any text: ParseDate, App.ConvertDate in every mode
// and MainWindow.DateAsInt never fail, and keep their promises: a parsed
// date is a real day that parses back from its shown text, a converted
// date converts back to the text it came from, and the date sort orders
// the days of its hundred-year window as the calendar does.

#include "support/Program.h"

#include "app/App.h"

#include "framework/Date.h"

#include <QDate>

namespace {

using fuzz::Require;

void CheckParseDate(const QString& s, const MainWindow& w) {
  fw::Date d(1, 2, 3);
  if (!fw::ParseDate(s, d)) {
    Require(d == fw::Date(1, 2, 3), "a failed ParseDate leaves the date alone", s);
    return;
  }
  Require(d.IsValid(), "ParseDate gives real days", s);
  fw::Date again(1, 2, 3);
  Require(fw::ParseDate(d.AbbreviatedDate(), again) && again == d,
          "the shown text of a parsed date parses back to it", s);

  // The date sort reads the shown text by position.
  const int year = w.today.Year();
  const QDate day(d.Year(), d.Month(), d.Day());
  const QDate next = day.addDays(1);
  if (day.year() > year - 100 && next.year() <= year) {
    const fw::Date following(next.year(), next.month(), next.day());
    Require(w.DateAsInt(d.AbbreviatedDate()) == w.DateAsInt(d.ShortDate()),
            "the sort key reads both shown forms alike", s);
    Require(w.DateAsInt(following.AbbreviatedDate()) > w.DateAsInt(d.AbbreviatedDate()),
            "the sort key grows from one day to the next", s);
  }
}

void CheckConvertDate(const QString& s) {
  for (const fw::Integer mode : {-1, 0, 1, 2, 3}) {
    const QString r = App::ConvertDate(s, mode);
    if (s.isEmpty()) Require(r.isEmpty(), "the empty text stays empty", s);
    if (r == s) continue;
    fw::Date d;
    Require(fw::ParseDate(r.contains(u'-') ? App::ConvertDate(r, 1) : r, d),
            "a converted date is a real day", s + QStringLiteral(" -> ") + r);
    const fw::Integer back = r.contains(u'-') ? 1 : 2;
    Require(App::ConvertDate(r, back) == s, "a converted date converts back",
            s + QStringLiteral(" -> ") + r);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const MainWindow& w = fuzz::OpenMainWindow();
  const QString s = fuzz::Text(data, size);
  CheckParseDate(s, w);
  CheckConvertDate(s);
  (void)w.DateAsInt(s);
  return 0;
}
