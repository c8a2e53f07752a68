// The record list: its query, its fill, its sort and the small handlers
// around it.

#include "mainwindow/MainWindow.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/Database.h"
#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "search/SearchWindow.h"

using namespace fw::literals;

namespace {

constexpr fw::Integer kColumnCount = 7;
constexpr fw::Integer kDateColumn = 1;

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
    ShowEmptyListMessage();
    return;
  }
  PopulateListBox(RecList(), *rs);
  rs->Close();
}

void MainWindow::PopulateListBox(fw::Listbox& list, fw::RecordSet& rs) {
  list.DeleteAllRows();
  // Every record as a row, field i in column i - 1; then the stored dates
  // in the form the list shows.
  list.AddRows(rs);
  fw::String stored;  // one string read again for every row
  for (fw::Integer row = 0; row < list.ListCount(); ++row) {
    fw::BackgroundTask();
    list.ReadCell(row, 1, stored);
    list.SetCell(row, 1, App::ConvertDate(stored, 1));
  }
  if (list.ListCount() < list.ScrollPosition()) list.SetScrollPosition(list.ListCount());
  if (SortOnOpen().Value()) ApplyOptionSort(list);
}

// A list query that gave no record set at all.
void MainWindow::ShowEmptyListMessage() {
  fw::MsgBox(u"Der Datensatz ist leer,"_s + fw::EndOfLine + u"Es wurden keine Daten gefunden."_s);
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

// The ID column by the IDs' numbers, the date column by DateAsInt.
bool MainWindow::RecList_CompareRows(fw::Listbox& me, fw::Integer row1, fw::Integer row2,
                                     fw::Integer column, fw::Integer& result) {
  // The other columns are left to the list, which compares them as text.
  if (column != 0 && column != kDateColumn) return false;
  const long long a = *RecList_SortKey(me, row1, column);
  const long long b = *RecList_SortKey(me, row2, column);
  // Equal keys compare equal, so the sort gets a consistent order.
  result = a > b ? 1 : (a < b ? -1 : 0);
  return true;
}

std::optional<long long> MainWindow::RecList_SortKey(const fw::Listbox& me, fw::Integer row,
                                                     fw::Integer column) const {
  if (column != 0 && column != kDateColumn) return std::nullopt;
  me.ReadCell(row, column, sortKeyCell);
  return column == 0 ? fw::Val(sortKeyCell) : DateAsInt(sortKeyCell);
}

// Day, month and two-digit year read by position; the year is 20yy up to
// today's year and 19yy above it, so keys grow across the century. The
// pieces are read in place: a sort by a heading click takes this key
// millions of times.
fw::Integer MainWindow::DateAsInt(const fw::String& s) const {
  const fw::StringView text(s);
  fw::Integer yy = fw::Val(fw::Right(text, 2));
  if (yy <= today.Year() - 2000) yy += 100;
  fw::Integer key = yy * 10000;
  key += fw::Val(fw::Mid(text, 4, 2)) * 100;
  key += fw::Val(fw::Mid(text, 1, 2));
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
  MenuBar1::Item(u"EditDuplicate"_s).SetEnabled(false);
}

void MainWindow::SearchBtn_Action(fw::PushButton&) { SearchWindow::SharedInstance().Show(); }

void MainWindow::ClearSearch_Action(fw::PushButton& me) {
  SearchWindow::SharedInstance().filter = fw::String();
  UpdateRecList();
  me.SetEnabled(false);
}

bool MainWindow::EditSelectAll_Action() {
  ClearSearch().Push();
  return true;
}
