#include "framework/ui/ListboxModel.h"

#include <algorithm>

namespace fw::ui {

namespace {
const QString kEmpty;
}

int ListboxModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
  // Between a clear() and its commit the view may still ask for rows it was
  // told about; they read as empty.
  if (role != Qt::DisplayRole) return QVariant();
  return cell(index.row(), index.column());
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  return heading(section);
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListboxModel::setColumns(int n) {
  n = std::max(n, 1);
  if (n == columns_) return;
  commit();
  std::vector<QString> restrided(static_cast<size_t>(rows_) * n);
  const int kept = std::min(n, columns_);
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < kept; ++c) restrided[r * n + c] = std::move(cells_[r * columns_ + c]);
  }
  const bool inserting = n > columns_;
  if (inserting)
    beginInsertColumns(QModelIndex(), columns_, n - 1);
  else
    beginRemoveColumns(QModelIndex(), n, columns_ - 1);
  cells_.swap(restrided);
  columns_ = n;
  if (inserting)
    endInsertColumns();
  else
    endRemoveColumns();
}

QString ListboxModel::heading(int column) const {
  if (column < 0 || column >= static_cast<int>(headings_.size())) return QString();
  return headings_[column];
}

void ListboxModel::setHeading(int column, const QString& text) {
  // Kept also beyond the columns, so headings may come before the count.
  if (column < 0) return;
  if (column >= static_cast<int>(headings_.size())) headings_.resize(column + 1);
  headings_[column] = text;
  if (column < columns_) emit headerDataChanged(Qt::Horizontal, column, column);
}

void ListboxModel::addRow(const QString& firstCell) {
  cells_.resize(cells_.size() + columns_);
  cells_[static_cast<size_t>(rows_) * columns_] = firstCell;
  ++rows_;
}

void ListboxModel::addRow(const std::vector<QString>& cells) {
  const size_t start = cells_.size();
  cells_.resize(start + columns_);
  std::copy_n(cells.begin(), std::min<size_t>(cells.size(), columns_), cells_.begin() + start);
  ++rows_;
}

const QString& ListboxModel::cell(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return kEmpty;
  return cells_[static_cast<size_t>(row) * columns_ + column];
}

void ListboxModel::setCell(int row, int column, const QString& text) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  cells_[static_cast<size_t>(row) * columns_ + column] = text;
  // Rows the view does not know yet are announced by commit().
  if (!resetPending_ && row < shown_) {
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
}

void ListboxModel::clear() {
  cells_.clear();
  rows_ = 0;
  resetPending_ = true;
}

void ListboxModel::removeRow(int row) {
  commit();
  beginRemoveRows(QModelIndex(), row, row);
  const auto first = cells_.begin() + static_cast<ptrdiff_t>(row) * columns_;
  cells_.erase(first, first + columns_);
  shown_ = --rows_;
  endRemoveRows();
}

void ListboxModel::commit() {
  if (resetPending_) {
    beginResetModel();
    shown_ = count();
    resetPending_ = false;
    endResetModel();
  } else if (shown_ != count()) {
    beginInsertRows(QModelIndex(), shown_, count() - 1);
    shown_ = count();
    endInsertRows();
  }
}

std::vector<int> ListboxModel::reorder(const std::vector<int>& order) {
  commit();
  const int n = count();
  std::vector<int> newIndex(n);
  for (int k = 0; k < n; ++k) newIndex[order[k]] = k;

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<QString> sorted(cells_.size());
  for (int k = 0; k < n; ++k) {
    std::move(cells_.begin() + static_cast<ptrdiff_t>(order[k]) * columns_,
              cells_.begin() + static_cast<ptrdiff_t>(order[k] + 1) * columns_,
              sorted.begin() + static_cast<ptrdiff_t>(k) * columns_);
  }
  cells_.swap(sorted);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& i : from) to.append(index(newIndex[i.row()], i.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  return newIndex;
}

}  // namespace fw::ui
