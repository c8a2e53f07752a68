#include "framework/ui/ListboxSort.h"

#include "framework/ui/ListboxModel.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <optional>

namespace fw::ui {

std::vector<int> SortedOrder(const ListboxModel& model, int column, bool descending,
                             const RowComparison& compare, const QCollator& collator) {
  const int n = model.count();
  std::vector<int> order(n);
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
