#include "framework/ui/ListboxColumns.h"

#include <QStringList>

#include <algorithm>

namespace fw::ui {

std::vector<ColumnWidth> ParseColumnWidths(const QString& text, int columns) {
  std::vector<ColumnWidth> widths(std::max(columns, 0));
  const QStringList parts = text.split(u',');
  for (int c = 0; c < columns && c < parts.size(); ++c) {
    bool ok = false;
    const int pixels = parts[c].trimmed().toInt(&ok);
    if (ok && pixels >= 0) widths[c] = ColumnWidth{false, pixels};
  }
  return widths;
}

std::vector<int> ResolveColumnWidths(const std::vector<ColumnWidth>& widths, int available) {
  int fixed = 0;
  int stars = 0;
  int lastStar = -1;
  for (size_t c = 0; c < widths.size(); ++c) {
    if (widths[c].star) {
      ++stars;
      lastStar = static_cast<int>(c);
    } else {
      fixed += widths[c].pixels;
    }
  }
  const int rest = std::max(available - fixed, 0);
  const int share = stars > 0 ? rest / stars : 0;
  std::vector<int> pixels(widths.size());
  for (size_t c = 0; c < widths.size(); ++c) {
    if (!widths[c].star)
      pixels[c] = widths[c].pixels;
    else
      pixels[c] = static_cast<int>(c) == lastStar ? rest - share * (stars - 1) : share;
  }
  return pixels;
}

}  // namespace fw::ui
