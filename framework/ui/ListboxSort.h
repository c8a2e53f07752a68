#pragma once
// The row order of a Listbox sort: stable, through the program's comparison
// first and locale collation of the two cells where it declines.

#include "framework/String.h"

#include <functional>
#include <vector>

class QCollator;

namespace fw::ui {

class ListboxModel;

using RowComparison = std::function<bool(Integer row1, Integer row2, Integer column, Integer& result)>;

// The old row indices in their sorted order. Row indices handed to `compare`
// are those of the order before the sort.
std::vector<int> SortedOrder(const ListboxModel& model, int column, bool descending,
                             const RowComparison& compare, const QCollator& collator);

}  // namespace fw::ui
