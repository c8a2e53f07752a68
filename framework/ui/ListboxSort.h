#pragma once
// The row order of a Listbox sort: stable, by the program's keys where it
// gives them, else through its comparison first and locale collation of the
// two cells where it declines.

#include "framework/String.h"

#include <functional>
#include <optional>
#include <vector>

class QCollator;

namespace fw::ui {

class ListboxModel;

using RowComparison =
    std::function<bool(Integer row1, Integer row2, Integer column, Integer& result)>;
using RowKey = std::function<std::optional<long long>(Integer row, Integer column)>;

// The old row indices in their sorted order. Row indices handed to `key` and
// `compare` are those of the order before the sort.
std::vector<int> SortedOrder(const ListboxModel& model, int column, bool descending,
                             const RowKey& key, const RowComparison& compare,
                             const QCollator& collator);

}  // namespace fw::ui
