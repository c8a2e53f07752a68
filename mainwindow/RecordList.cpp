// The record list: its query, its fill, its sort and the small handlers
// around it.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "search/SearchWindow.h"

#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

constexpr fw::Integer kColumnCount = 7;
constexpr fw::Integer kDateColumn = 1;

// Characters are code points, as fw::Mid and fw::Right count them: a
// surrogate pair is one character.
bool PairAt(QStringView s, qsizetype i) {
  return i >= 0 && i + 1 < s.size() && s[i].isHighSurrogate() && s[i + 1].isLowSurrogate();
}

// fw::Mid(s, start, n) and fw::Right(s, n) as views: the sort key is taken
// millions of times per sort, so it must not allocate.
QStringView MidView(QStringView s, qsizetype start, qsizetype n) {
  qsizetype begin = 0;
  for (qsizetype skip = start - 1; skip > 0 && begin < s.size(); --skip)
    begin += PairAt(s, begin) ? 2 : 1;
  qsizetype end = begin;
  for (; n > 0 && end < s.size(); --n) end += PairAt(s, end) ? 2 : 1;
  return s.sliced(begin, end - begin);
}

QStringView RightView(QStringView s, qsizetype n) {
  qsizetype begin = s.size();
  for (; n > 0 && begin > 0; --n) begin -= PairAt(s, begin - 2) ? 2 : 1;
  return s.sliced(begin);
}

// fw::Val of a short piece: the signed decimal number it begins with
// (leading blanks skipped), 0 when there is none.
fw::Integer ValOf(QStringView s) {
  qsizetype i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  fw::Integer value = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i)
    value = value * 10 + (s[i].unicode() - u'0');
  return negative ? -value : value;
}

}  // namespace

// --- query and fill ----------------------------------------------------

void MainWindow::UpdateRecList() {
  sql = u"SELECT ID, Datum, Titel, Interpret, Redaktion, ProdNr, Ort FROM Aufnahmen"_s;
  const fw::String& filter = SearchWindow::SharedInstance().filter;
  if (!filter.isEmpty()) sql += u" WHERE "_s + filter;

  App& app = App::SharedInstance();
  std::unique_ptr<fw::RecordSet> rs = app.KlangDB->SQLSelect(sql);
  if (app.KlangDB->Error()) {
    app.DisplayDatabaseError(false);
    return;
  }
  if (!rs) {
    fw::MsgBox(u"Der Datensatz ist leer,"_s + fw::EndOfLine + u"Es wurden keine Daten gefunden."_s);
    return;
  }
  PopulateListBox(RecList(), *rs);
  rs->Close();
}

void MainWindow::PopulateListBox(fw::Listbox& list, fw::RecordSet& rs) {
  list.DeleteAllRows();
  const fw::Integer fields = rs.FieldCount();
  while (!rs.IsEOF()) {
    fw::BackgroundTask();
    list.AddRow(rs.IdxField(1).StringValue());
    const fw::Integer row = list.LastIndex();
    list.SetCell(row, 1, App::ConvertDate(rs.IdxField(2).StringValue(), 1));
    for (fw::Integer i = 3; i <= fields; ++i) {
      fw::BackgroundTask();
      list.SetCell(row, i - 1, rs.IdxField(i).StringValue());
    }
    rs.MoveNext();
  }
  if (list.ListCount() < list.ScrollPosition()) list.SetScrollPosition(list.ListCount());
  if (SortOnOpen().Value()) ApplyOptionSort(list);
}

// --- sorting -------------------------------------------------------------

void MainWindow::ApplyOptionSort(fw::Listbox& list) {
  const fw::Integer c = SortOption().ListIndex();
  // A hand-edited preferences file can select an entry that names no column.
  if (c < 0 || c >= kColumnCount) return;
  list.SetHeadingIndex(c);
  list.SetSortedColumn(c);
  list.SetColumnSortDirection(c, c == kDateColumn ? -1 : 1);
  list.Sort();
}

bool MainWindow::RecList_CompareRows(fw::Listbox& me, fw::Integer row1, fw::Integer row2,
                                     fw::Integer column, fw::Integer& result) {
  fw::Integer a, b;
  if (column == 0) {
    a = fw::Val(me.Cell(row1, 0));
    b = fw::Val(me.Cell(row2, 0));
  } else if (column == kDateColumn) {
    a = DateAsInt(me.Cell(row1, kDateColumn));
    b = DateAsInt(me.Cell(row2, kDateColumn));
  } else {
    return false;
  }
  // Equal keys compare equal, so the sort gets a consistent order.
  result = a > b ? 1 : (a < b ? -1 : 0);
  return true;
}

// Day, month and two-digit year read by position; the year is 20yy up to
// today's year and 19yy above it, so keys grow across the century.
fw::Integer MainWindow::DateAsInt(const fw::String& s) const {
  fw::Integer yy = ValOf(RightView(s, 2));
  if (yy <= today.Year() - 2000) yy += 100;
  fw::Integer key = yy * 10000;
  key += ValOf(MidView(s, 4, 2)) * 100;
  key += ValOf(MidView(s, 1, 2));
  return key;
}

// --- option handlers -----------------------------------------------------

void MainWindow::ShowID_Action(fw::CheckBox& me) {
  RecList().SetColumnWidths(me.Value() ? u"35, 75, 180, 180, 100, 100, *"_s
                                       : u"0, 75, 180, 180, 100, 100, *"_s);
}

void MainWindow::SortOnOpen_Action(fw::CheckBox& me) { SortOption().SetEnabled(me.Value()); }

void MainWindow::SortOption_Change(fw::PopupMenu& me) {
  lastsort = false;
  if (me.ListIndex() == 0) ShowID().SetValue(true);
}

// --- list and search handlers ----------------------------------------------

void MainWindow::RecList_Open(fw::Listbox& me) {
  if (me.ListIndex() != -1) return;
  RecGroupBox().SetEnabled(false);
  DeleteBtn().SetEnabled(false);
  CopyBtn().SetEnabled(false);
  MenuItemNamed(u"EditDuplicate"_s).SetEnabled(false);
}

// The search window comes with its own step; until then there is nothing to show.
void MainWindow::SearchBtn_Action(fw::PushButton&) {}

void MainWindow::ClearSearch_Action(fw::PushButton& me) {
  SearchWindow::SharedInstance().filter = fw::String();
  UpdateRecList();
  me.SetEnabled(false);
}

bool MainWindow::EditSelectAll_Action() {
  ClearSearch().Push();
  return true;
}
