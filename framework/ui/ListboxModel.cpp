#include "framework/ui/ListboxModel.h"

#include "framework/Database.h"
#include "framework/db/Statement.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace fw::ui {
namespace {

std::string_view View(const QByteArray& utf8) {
  return std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()));
}

}  // namespace

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
  std::vector<Span> restrided(static_cast<size_t>(rows_) * n);
  const int kept = std::min(n, columns_);
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < columns_; ++c) {
      const Span& span = cells_[static_cast<size_t>(r) * columns_ + c];
      if (c < kept)
        restrided[static_cast<size_t>(r) * n + c] = span;
      else
        dropBytes(span);
    }
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
  compactIfWasteful();
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

ListboxModel::Span ListboxModel::store(std::string_view utf8) {
  if (bytes_.size() + utf8.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("a list holds at most 4 GiB of cell text");
  }
  const Span span{static_cast<std::uint32_t>(bytes_.size()),
                  static_cast<std::uint32_t>(utf8.size())};
  bytes_.append(utf8);
  return span;
}

void ListboxModel::dropBytes(const Span& span) { unusedBytes_ += span.length; }

void ListboxModel::compactIfWasteful() {
  // Cells set again and again would otherwise grow the buffer without end.
  if (unusedBytes_ < 65536 || unusedBytes_ < bytes_.size() / 2) return;
  std::string kept;
  kept.reserve(bytes_.size() - unusedBytes_);
  for (Span& span : cells_) {
    const auto offset = static_cast<std::uint32_t>(kept.size());
    kept.append(bytes_, span.offset, span.length);
    span.offset = offset;
  }
  bytes_.swap(kept);
  unusedBytes_ = 0;
}

void ListboxModel::addRow(const QString& firstCell) {
  const QByteArray utf8 = firstCell.toUtf8();
  cells_.resize(cells_.size() + columns_);
  cells_[static_cast<size_t>(rows_) * columns_] = store(View(utf8));
  ++rows_;
}

void ListboxModel::addRow(const std::vector<QString>& cells) {
  const size_t start = cells_.size();
  cells_.resize(start + columns_);
  const size_t given = std::min<size_t>(cells.size(), columns_);
  for (size_t c = 0; c < given; ++c) {
    cells_[start + c] = store(View(cells[c].toUtf8()));
  }
  ++rows_;
}

void ListboxModel::addRows(RecordSet& rs) {
  const size_t before = bytes_.size();
  size_t named = 0;  // bytes of the cells kept
  size_t start = 0;
  rs.ReadRemainingRows(bytes_, [&](size_t offset, size_t length, size_t column) {
    if (column == 0) {
      start = cells_.size();
      cells_.resize(start + columns_);
      ++rows_;
    }
    if (column >= static_cast<size_t>(columns_)) return;
    if (offset + length > std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("a list holds at most 4 GiB of cell text");
    }
    cells_[start + column] = {static_cast<std::uint32_t>(offset),
                              static_cast<std::uint32_t>(length)};
    named += length;
  });
  // The numbers' stored bytes and the dropped fields lie between the cells.
  unusedBytes_ += bytes_.size() - before - named;
}

QString ListboxModel::cell(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return QString();
  const Span& span = cells_[static_cast<size_t>(row) * columns_ + column];
  if (span.length == 0) return QString();
  return db::TextFromUtf8(bytes_.data() + span.offset, span.length);
}

// An ASCII text no longer than the cell's bytes is its own UTF-8: written
// over them without a copy made first (the fill does so for every date).
bool ListboxModel::overwriteAscii(Span& span, const QString& text) {
  const auto length = static_cast<size_t>(text.size());
  if (length > span.length) return false;
  if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; }))
    return false;
  std::transform(text.begin(), text.end(), bytes_.begin() + span.offset,
                 [](QChar c) { return static_cast<char>(c.unicode()); });
  keepFirst(span, length);
  return true;
}

// The cell's text written over its first `length` bytes: the rest is unused.
void ListboxModel::keepFirst(Span& span, size_t length) {
  unusedBytes_ += span.length - length;
  span.length = static_cast<std::uint32_t>(length);
}

void ListboxModel::readCell(int row, int column, QString& text) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
    text.resize(0);
    return;
  }
  const Span& span = cells_[static_cast<size_t>(row) * columns_ + column];
  const char* bytes = bytes_.data() + span.offset;
  if (std::any_of(bytes, bytes + span.length, [](char c) { return c & 0x80; })) {
    text = db::TextFromUtf8(bytes, span.length);
    return;
  }
  // ASCII is its own UTF-16, one unit a byte.
  text.resize(span.length);
  std::copy(bytes, bytes + span.length, text.data());
}

void ListboxModel::setCell(int row, int column, const QString& text) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  Span& span = cells_[static_cast<size_t>(row) * columns_ + column];
  if (!overwriteAscii(span, text)) {
    const QByteArray utf8 = text.toUtf8();
    if (static_cast<size_t>(utf8.size()) <= span.length) {
      // In place: a shown date is as long as the stored one it replaces.
      std::copy(utf8.begin(), utf8.end(), bytes_.begin() + span.offset);
      keepFirst(span, static_cast<size_t>(utf8.size()));
    } else {
      dropBytes(span);
      span = store(View(utf8));
      compactIfWasteful();
    }
  }
  // Rows the view does not know yet are announced by commit().
  if (!resetPending_ && row < shown_) {
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
}

void ListboxModel::clear() {
  cells_.clear();
  bytes_.clear();
  unusedBytes_ = 0;
  rows_ = 0;
  resetPending_ = true;
}

void ListboxModel::removeRow(int row) {
  commit();
  beginRemoveRows(QModelIndex(), row, row);
  const auto first = cells_.begin() + static_cast<ptrdiff_t>(row) * columns_;
  std::for_each(first, first + columns_, [this](const Span& span) { dropBytes(span); });
  cells_.erase(first, first + columns_);
  shown_ = --rows_;
  endRemoveRows();
  compactIfWasteful();
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

const std::vector<int>& ListboxModel::reorder(const std::vector<int>& order) {
  commit();
  const int n = count();
  std::vector<int>& newIndex = newIndex_;
  newIndex.resize(n);
  for (int k = 0; k < n; ++k) newIndex[order[k]] = k;

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  // In place, cycle by cycle, so a sort needs no second copy of the cells.
  const auto row = [this](int r) { return cells_.begin() + static_cast<ptrdiff_t>(r) * columns_; };
  placed_.assign(n, false);
  std::vector<Span> first(columns_);
  for (int start = 0; start < n; ++start) {
    if (placed_[start]) continue;
    std::copy_n(row(start), columns_, first.begin());
    int k = start;
    for (int from = order[k]; from != start; k = from, from = order[k]) {
      std::copy_n(row(from), columns_, row(k));
      placed_[k] = true;
    }
    std::copy_n(first.begin(), columns_, row(k));
    placed_[k] = true;
  }
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& i : from) to.append(index(newIndex[i.row()], i.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  return newIndex;
}

}  // namespace fw::ui
