#include "printing/RecordListPrintout.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/Printing.h"
#include "framework/Runtime.h"
#include "mainwindow/MainWindow.h"
#include "printing/Printout.h"
#include "search/SearchWindow.h"

#include <array>

using namespace fw::literals;

namespace {

constexpr fw::Integer kLeft = 60;
constexpr fw::Integer kTop = 60;
constexpr fw::Integer kRightMargin = 15;

// The three lines of the record at the record set's current row.
std::array<fw::String, 3> RecordLines(fw::RecordSet& rs) {
  const auto text = [&rs](const fw::String& name) { return rs.Field(name).StringValue(); };
  return {OneLine(App::ConvertDate(text(u"Datum"_s), 1) + u", "_s + text(u"ProdNr"_s)),
          OneLine(text(u"Titel"_s) + u",   "_s + text(u"Interpret"_s)),
          OneLine(u"Ort: "_s + text(u"Ort"_s) + u"   ("_s + text(u"Redaktion"_s) + u", "_s +
                  text(u"System"_s) + u", "_s + text(u"Format"_s) + u")"_s)};
}

}  // namespace

void RecordListPrintout(MainWindow& w) {
  App& app = App::SharedInstance();
  std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog(*app.p, &w);
  if (!g) return;

  g->TextFont = u"Arial"_s;
  g->TextSize = 10;
  const fw::Integer limit = g->Width() - kLeft - kRightMargin;
  const fw::Integer th = g->TextHeight();
  const fw::Integer ascent = g->TextAscent();
  const fw::Integer blockStep = 4 * th;

  const fw::String& filter = SearchWindow::SharedInstance().filter;
  fw::String sql =
      u"SELECT Datum, Titel, Interpret, Ort, Redaktion, ProdNr, System, Format FROM Aufnahmen"_s;
  fw::String subTitle = u"Alle Datensätze"_s;
  if (!filter.isEmpty()) {
    subTitle = u"SQL filter: "_s + filter;
    sql += u" WHERE "_s + filter;
  }
  sql += u" ORDER by Datum DESC"_s;
  std::unique_ptr<fw::RecordSet> rs = app.KlangDB->SQLSelect(sql);
  if (app.KlangDB->Error()) {
    app.DisplayDatabaseError(false);
    return;
  }

  const fw::String title = u"Liste der Aufnahmen, Stand "_s + w.today.ShortDate();
  PrintedPages pages(*g, kTop + ascent, kTop + 3 * th);
  pages.Heading(title);
  g->Italic = true;
  g->DrawString(OneLine(subTitle), kLeft, kTop + th + ascent, limit, true);
  g->Italic = false;

  fw::Integer y = kTop + 4 * th;
  for (; rs && !rs->IsEOF(); rs->MoveNext()) {
    fw::BackgroundTask();
    // Once per record: a block too tall for any page is drawn all the same.
    if (!LineFits(*g, y + 3 * th)) y = pages.Next(title);
    const std::array<fw::String, 3> lines = RecordLines(*rs);
    for (fw::Integer i = 0; i < 3; ++i)
      g->DrawString(lines[i], kLeft, y + (i + 1) * th, limit, true);
    y += blockStep;
  }
  pages.Footer(y + th, u"Arial"_s, title, th);
}
