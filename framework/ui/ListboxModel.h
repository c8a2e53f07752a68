#pragma once
// The rows of a Listbox as a Qt table model.
//
// Filling is batched: rows added or a list emptied are not announced one by
// one. The model keeps telling the view the row count it last committed, and
// commit() announces everything at once: one reset after clear(), or one
// insertion when rows were only appended.
//
// Cells are kept as the database delivers them, UTF-8 bytes in one buffer
// with an offset and length per cell; a cell's string is made only when it
// is shown, read or sorted. A hundred thousand rows of seven cells would
// otherwise be 700,000 strings made, copied and freed on every refill.

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class RecordSet;
}

namespace fw::ui {

class ListboxModel : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int count() const { return rows_; }
  int columns() const { return columns_; }
  void setColumns(int n);  // commits first
  QString heading(int column) const;
  void setHeading(int column, const QString& text);

  void addRow(const QString& firstCell);
  void addRow(const std::vector<QString>& cells);  // extra cells are dropped
  // The record set's remaining rows, its fields beyond the columns dropped.
  void addRows(RecordSet& rs);
  // Empty for a row or column out of range.
  QString cell(int row, int column) const;
  void readCell(int row, int column, QString& text) const;  // keeps text's storage
  void setCell(int row, int column, const QString& text);
  void clear();
  void removeRow(int row);  // commits first; row must be in range

  bool dirty() const { return resetPending_ || shown_ != count(); }
  bool resetPending() const { return resetPending_; }
  void commit();

  // Puts the rows in the given order (order[k] is the old index of the row
  // that becomes row k) as one layout change, so the view's selection and
  // current row follow their rows. Returns the new index of every old row,
  // valid until the next reorder.
  const std::vector<int>& reorder(const std::vector<int>& order);

 private:
  struct Span {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  Span store(std::string_view utf8);
  bool overwriteAscii(Span& span, const QString& text);
  void keepFirst(Span& span, size_t length);
  void dropBytes(const Span& span);
  void compactIfWasteful();

  // Row after row, columns_ cells each; a sort moves only these.
  std::vector<Span> cells_;
  // What a reorder works in, kept for the next one.
  std::vector<bool> placed_;
  std::vector<int> newIndex_;
  std::string bytes_;
  size_t unusedBytes_ = 0;  // of cells changed or removed since
  int rows_ = 0;
  std::vector<QString> headings_;
  int columns_ = 1;
  int shown_ = 0;  // the row count the view was last told
  bool resetPending_ = false;
};

}  // namespace fw::ui
