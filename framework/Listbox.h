#pragma once
// A list of rows and columns over a table model: the rows live here, a Qt
// item view shows them, and a fill costs one model reset, not one signal per
// cell.
//
// - ListIndex is the selected row in the order shown; Change runs once
//   whenever it changes: a click, a program set, and emptying or refilling a
//   list that had a selection. A click beside the rows empties the selection.
// - DoubleClick runs also on the empty area below the rows.
// - Sort orders the rows by SortKey where it gives keys, else through
//   CompareRows (when it returns false the list compares the two cells' texts
//   with the locale's collation, German under the C locale), descending where
//   ColumnSortDirection is -1, stable, and keeps the selected row selected
//   without raising Change. A click on a heading sorts by that column through
//   the same path (a second click reverses it) and shows the indicator;
//   HeadingIndex -1 shows none.
// - SelectionType 1 (multiple): ListIndex is the first selected row in the
//   order shown (-1 when none), and Change runs on every change of the set
//   of selected rows. SetListIndex selects that row alone in either type,
//   and scrolls only when the row is out of sight.
// - ColumnWidths "0, 75, 180, *": 0 hides a column (its cells keep their
//   text), "*" takes the rest; the user can resize; no horizontal scroll bar.
// - ScrollPosition (the top row shown) survives DeleteAllRows and a refill
//   in one go; a list that is shown empty is at 0.

#include "framework/Controls.h"

#include <optional>

namespace fw {

class RecordSet;

class Listbox : public RectControl {
 public:
  Listbox();
  ~Listbox() override;

  void AddRow(const String& firstCell = String());
  void AddRow(const std::vector<String>& cells);
  // A row for the current record of rs and each one after it, field i in
  // column i - 1 (as StringValue gives it; fields beyond the columns are
  // dropped); rs is at its end afterwards.
  void AddRows(RecordSet& rs);
  void DeleteAllRows();
  void RemoveRow(Integer row);
  Integer ListCount() const;
  Integer LastIndex() const;  // the row last added; -1 after DeleteAllRows
  Integer ColumnCount() const;
  void SetColumnCount(Integer n);
  String Heading(Integer column) const;
  void SetHeading(Integer column, const String& text);
  bool HasHeading() const;  // true unless set otherwise
  void SetHasHeading(bool shown);

  String Cell(Integer row, Integer column) const;  // "" out of range
  // The same into `text`, in the storage it has: a loop over every row (a
  // sort's keys, a fill's dates) then makes no string per row.
  void ReadCell(Integer row, Integer column, String& text) const;
  void SetCell(Integer row, Integer column, const String& text);

  Integer ListIndex() const;       // -1 when nothing is selected
  void SetListIndex(Integer row);  // out of range selects nothing
  bool Selected(Integer row) const;
  void SetSelected(Integer row, bool selected);
  Integer SelectionType() const;  // 0 single, 1 multiple
  void SetSelectionType(Integer type);

  Integer ScrollPosition() const;
  void SetScrollPosition(Integer row);

  String ColumnWidths() const;
  void SetColumnWidths(const String& widths);
  bool ColumnsResizable() const;  // by the user's drag; true unless set otherwise
  void SetColumnsResizable(bool resizable);
  Integer HeadingIndex() const;
  void SetHeadingIndex(Integer column);
  Integer SortedColumn() const;
  void SetSortedColumn(Integer column);
  Integer ColumnSortDirection(Integer column) const;  // 1 or -1
  void SetColumnSortDirection(Integer column, Integer direction);
  void Sort();

  QWidget* widget() const override;

  std::function<void()> Change;
  std::function<void()> DoubleClick;
  // Rows row1 and row2 compared in `column`: return true after setting
  // result (< 0 row1 first, > 0 row2 first, 0 equal); false lets the list
  // compare the cell texts. During one Sort the rows are not moved: row1 and
  // row2 are row numbers of the order before the sort, so a handler may
  // take keys by row number once and compare those.
  std::function<bool(Integer row1, Integer row2, Integer column, Integer& result)> CompareRows;
  // The number `row` sorts by in `column`, or none. For a column whose order
  // is a number read from its cells (an ID, a date), reading two cells in
  // each of the some twenty comparisons per row costs far more than the
  // comparisons: with SortKey, every Sort (a heading click too) asks once per
  // row, before comparing, and orders by the numbers, equal ones keeping
  // their order; CompareRows is not called then. When it gives no key for a
  // row, the column sorts through CompareRows and the cell texts as without
  // it, so answer alike for all rows of a column. Rows are numbered as they
  // stand before the sort.
  //
  //   list.SortKey = [&list](Integer row, Integer column) -> std::optional<long long> {
  //     if (column == 0) return Val(list.Cell(row, 0));
  //     return std::nullopt;
  //   };
  std::function<std::optional<long long>(Integer row, Integer column)> SortKey;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace fw
