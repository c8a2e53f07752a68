// The full-information printout of the recordings selected in the print
// selection window: per recording a record line and eleven labelled values.

#include "printing/PrintInfoWindow.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/Printing.h"
#include "framework/Runtime.h"
#include "mainwindow/MainWindow.h"
#include "printing/Printout.h"

#include <vector>

using namespace fw::literals;

namespace {

constexpr fw::Integer kLeft = 60;
constexpr fw::Integer kValueColumn = 132;
constexpr fw::Integer kHeadingBaseline = 48;
constexpr fw::Integer kRightMargin = 15;
constexpr fw::Integer kLabelLines = 11;

// The label column: eleven lines.
fw::String Labels() {
  return fw::Join(
      {u"Titel:"_s, u"Interpret:"_s, u"System:"_s, u"Format:"_s, u"Ort:"_s, u"Redaktion:"_s,
       u"Technik:"_s, u"1. Schnitt:"_s, u"Fertig am:"_s, u"Backup:"_s, u"Bemerkung:"_s},
      fw::EndOfLine);
}

struct Block {
  fw::String recordLine;
  fw::String values;  // eleven lines
};

// The block of the record at the record set's current row.
Block ReadBlock(fw::RecordSet& rs) {
  const auto text = [&rs](const fw::String& name) { return rs.Field(name).StringValue(); };
  const auto date = [&text](const fw::String& name) { return App::ConvertDate(text(name), 1); };

  const fw::String format = text(u"Format"_s);
  fw::String formatLine = format;
  if (rs.Field(u"Surr"_s).BooleanValue()) formatLine += u", Surround "_s;
  if (rs.Field(u"BelegCD"_s).BooleanValue() && format == u"CD") formatLine += u" (BelegCD)"_s;
  fw::String backup = text(u"Backup"_s);
  if (!text(u"BackupDat"_s).isEmpty()) backup += u" vom "_s + date(u"BackupDat"_s);

  std::vector<fw::String> values{text(u"Titel"_s),    text(u"Interpret"_s),
                                 text(u"System"_s),   formatLine,
                                 text(u"Ort"_s),      text(u"Redaktion"_s),
                                 text(u"Technik"_s),  date(u"Schnitt"_s),
                                 date(u"Fertig"_s),   backup,
                                 text(u"Bemerkung"_s)};
  for (fw::String& v : values) v = OneLine(v);
  return {OneLine(u"Datensatz # "_s + text(u"ID"_s) + u",  Aufnahmedatum: "_s + date(u"Datum"_s) +
                  u",  Prod.Nr.: "_s + text(u"ProdNr"_s)),
          fw::Join(values, fw::EndOfLine)};
}

}  // namespace

void PrintInfoWindow::PrintInfo_Action(fw::PushButton&) {
  // The recordings are fixed before the dialog: every row, whatever the
  // list's last added one, by the number of its recording. With none
  // selected the job still holds its first page: heading, number, credit.
  fw::Listbox& list = RecList2();
  std::vector<fw::Integer> ids;
  for (fw::Integer row = 0; row < list.ListCount(); ++row) {
    fw::BackgroundTask();
    if (list.Selected(row)) ids.push_back(fw::Val(list.Cell(row, 0)));
  }

  App& app = App::SharedInstance();
  std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog(*app.p, this);
  if (!g) return;

  g->TextFont = u"Arial"_s;
  g->TextSize = 10;
  const fw::Integer wrap = g->Width() - kValueColumn - kRightMargin;
  const fw::Integer lineWrap = g->Width() - kLeft - kRightMargin;
  const fw::Integer th = g->TextHeight();
  const fw::Integer blockHeight = 12 * th;
  const fw::Integer labelsBelow = 3 * th / 2;  // 1.5 lines, cut to a whole unit

  const fw::String stand = MainWindow::SharedInstance().today.ShortDate();
  const fw::String later = u"Detail ausgewählter Aufnahmen, Stand "_s + stand;
  PrintedPages pages(*g, kHeadingBaseline, kHeadingBaseline + 2 * th);
  pages.Heading(u"Vollinfo ausgewählter Aufnahmen, Stand "_s + stand);
  fw::Integer y = kHeadingBaseline + 2 * th;

  const fw::String labels = Labels();
  for (const fw::Integer id : ids) {
    fw::BackgroundTask();
    std::unique_ptr<fw::RecordSet> rs =
        app.KlangDB->SQLSelect(u"SELECT * FROM Aufnahmen WHERE ID = '"_s + fw::Str(id) + u"'"_s);
    if (app.KlangDB->Error()) {
      app.DisplayDatabaseError(false);
      return;
    }
    if (!rs || rs->IsEOF()) continue;  // deleted since the list was filled
    const Block block = ReadBlock(*rs);
    // Once per block: a block too tall for any page is drawn all the same.
    if (!LineFits(*g, y + labelsBelow + (kLabelLines - 1) * th)) y = pages.Next(later);
    g->DrawString(block.recordLine, kLeft, y, lineWrap, true);
    y += labelsBelow;
    g->DrawString(labels, kLeft, y, 0, false);
    g->DrawString(block.values, kValueColumn, y, wrap, true);
    y += blockHeight;
  }
  pages.Footer(y, u"Times"_s, later, 0);
}
