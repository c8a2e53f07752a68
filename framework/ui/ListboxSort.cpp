#include "framework/ui/ListboxSort.h"

#include "framework/ui/ListboxModel.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

namespace fw::ui {
namespace {

using KeyedRow = std::pair<std::uint64_t, int>;

// Every row's key as an unsigned number in the order wanted (the sign bit
// flipped, and all bits for a descending order) into `keyed`; false when a
// row has none.
bool KeyedRows(int n, int column, bool descending, const RowKey& key,
               std::vector<KeyedRow>& keyed) {
  if (!key) return false;
  keyed.clear();
  keyed.reserve(n);
  for (int row = 0; row < n; ++row) {
    const std::optional<long long> k = key(row, column);
    if (!k) return false;
    const std::uint64_t ordered = static_cast<std::uint64_t>(*k) ^ (std::uint64_t{1} << 63);
    keyed.emplace_back(descending ? ~ordered : ordered, row);
  }
  return true;
}

// A radix sort, a byte at a time from the lowest: stable, so rows with
// equal keys keep their old order, and a pass whose byte is the same in
// every key is skipped.
void SortByKey(std::vector<KeyedRow>& rows, std::vector<KeyedRow>& buffer) {
  buffer.resize(rows.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::array<size_t, 257> start{};
    for (const KeyedRow& r : rows) ++start[((r.first >> shift) & 0xFF) + 1];
    if (std::find(start.begin(), start.end(), rows.size()) != start.end()) continue;
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (const KeyedRow& r : rows) buffer[start[(r.first >> shift) & 0xFF]++] = r;
    rows.swap(buffer);
  }
}

}  // namespace

const std::vector<int>& SortedOrder(const ListboxModel& model, int column, bool descending,
                                    const RowKey& rowKey, const RowComparison& compare,
                                    const QCollator& collator, SortBuffers& buffers) {
  const int n = model.count();
  std::vector<int>& order = buffers.order;
  order.resize(n);

  if (KeyedRows(n, column, descending, rowKey, buffers.keyed)) {
    SortByKey(buffers.keyed, buffers.spare);
    for (int i = 0; i < n; ++i) order[i] = buffers.keyed[i].second;
    return order;
  }

  std::iota(order.begin(), order.end(), 0);
  // The collation keys take many times what the key sort's buffers hold,
  // and a text sort is a click on a heading, not a refill: it gives them
  // back first.
  std::vector<KeyedRow>().swap(buffers.keyed);
  std::vector<KeyedRow>().swap(buffers.spare);

  // A sort key costs about as much as a few comparisons, and each row takes
  // part in some twenty of them: make each row's key once, when first needed.
  std::vector<std::optional<QCollatorSortKey>> keys(n);
  auto key = [&](int row) -> const QCollatorSortKey& {
    if (!keys[row]) keys[row] = collator.sortKey(model.cell(row, column));
    return *keys[row];
  };
  auto cmp = [&](int a, int b) {
    Integer result = 0;
    if (compare && compare(a, b, column, result)) return result;
    return key(a).compare(key(b));
  };
  if (descending) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return cmp(a, b) > 0; });
  } else {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return cmp(a, b) < 0; });
  }
  return order;
}

}  // namespace fw::ui
