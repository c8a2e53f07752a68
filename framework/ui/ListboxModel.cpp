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
  if (n > columns_) {
    beginInsertColumns(QModelIndex(), columns_, n - 1);
    columns_ = n;
    endInsertColumns();
  } else {
    beginRemoveColumns(QModelIndex(), n, columns_ - 1);
    columns_ = n;
    for (Row& row : rows_) row.resize(std::min<size_t>(row.size(), n));
    endRemoveColumns();
  }
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

void ListboxModel::addRow(Row row) {
  row.resize(columns_);
  rows_.push_back(std::move(row));
}

const QString& ListboxModel::cell(int row, int column) const {
  if (row < 0 || row >= count() || column < 0) return kEmpty;
  const Row& r = rows_[row];
  return column < static_cast<int>(r.size()) ? r[column] : kEmpty;
}

void ListboxModel::setCell(int row, int column, const QString& text) {
  if (row < 0 || row >= count() || column < 0 || column >= columns_) return;
  Row& r = rows_[row];
  if (column >= static_cast<int>(r.size())) r.resize(columns_);
  r[column] = text;
  // Rows the view does not know yet are announced by commit().
  if (!resetPending_ && row < shown_) {
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
}

void ListboxModel::clear() {
  rows_.clear();
  resetPending_ = true;
}

void ListboxModel::removeRow(int row) {
  commit();
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  shown_ = count();
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
  std::vector<Row> sorted;
  sorted.reserve(n);
  for (int old : order) sorted.push_back(std::move(rows_[old]));
  rows_.swap(sorted);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& i : from) to.append(index(newIndex[i.row()], i.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  return newIndex;
}

}  // namespace fw::ui
