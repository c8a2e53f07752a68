#pragma once
// Column widths of a Listbox: "0, 75, 180, *". A number is pixels (0 hides
// the column), "*" shares what the fixed columns leave of the available
// width; a column without an entry counts as "*".

#include <QString>

#include <vector>

namespace fw::ui {

struct ColumnWidth {
  bool star = true;
  int pixels = 0;  // for a fixed column
};

std::vector<ColumnWidth> ParseColumnWidths(const QString& text, int columns);

// Pixel widths for `available` pixels: the "*" columns split the rest
// evenly (the last of them takes the odd pixels); none is below 0.
std::vector<int> ResolveColumnWidths(const std::vector<ColumnWidth>& widths, int available);

}  // namespace fw::ui
