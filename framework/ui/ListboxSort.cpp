#include "framework/ui/ListboxSort.h"

#include "framework/ui/ListboxModel.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace fw::ui {
namespace {

// Every row's key, or nothing when a row has none.
std::optional<std::vector<std::pair<long long, int>>> KeyedRows(int n, int column,
                                                                const RowKey& key) {
  if (!key) return std::nullopt;
  std::vector<std::pair<long long, int>> keyed;
  keyed.reserve(n);
  for (int row = 0; row < n; ++row) {
    const std::optional<long long> k = key(row, column);
    if (!k) return std::nullopt;
    keyed.emplace_back(*k, row);
  }
  return keyed;
}

}  // namespace

std::vector<int> SortedOrder(const ListboxModel& model, int column, bool descending,
                             const RowKey& rowKey, const RowComparison& compare,
                             const QCollator& collator) {
  const int n = model.count();
  std::vector<int> order(n);

  if (auto keyed = KeyedRows(n, column, rowKey)) {
    // Ties go by the old row number, which makes a plain sort stable.
    std::sort(keyed->begin(), keyed->end(), [descending](const auto& a, const auto& b) {
      if (a.first != b.first) return descending ? a.first > b.first : a.first < b.first;
      return a.second < b.second;
    });
    for (int i = 0; i < n; ++i) order[i] = (*keyed)[i].second;
    return order;
  }

  std::iota(order.begin(), order.end(), 0);

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
