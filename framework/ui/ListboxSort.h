#pragma once
// The row order of a Listbox sort: stable, by the program's keys where it
// gives them, else through its comparison first and locale collation of the
// two cells where it declines.

#include "framework/String.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCollator;

namespace fw::ui {

class ListboxModel;

using RowComparison =
    std::function<bool(Integer row1, Integer row2, Integer column, Integer& result)>;
using RowKey = std::function<std::optional<long long>(Integer row, Integer column)>;

// What a sort works in, kept by the list from one sort to the next, so
// that sorting a refilled list asks the system for no fresh pages.
struct SortBuffers {
  std::vector<int> order;
  std::vector<std::pair<std::uint64_t, int>> keyed, spare;
};

// The old row indices in their sorted order, in buffers.order. Row indices
// handed to `key` and `compare` are those of the order before the sort.
const std::vector<int>& SortedOrder(const ListboxModel& model, int column, bool descending,
                                    const RowKey& key, const RowComparison& compare,
                                    const QCollator& collator, SortBuffers& buffers);

}  // namespace fw::ui
