#include "framework/testsupport/RecordingSurface.h"

namespace fw {

RecordingSurface::RecordingSurface(PrintLog& log, double width, double height, bool canBegin)
    : log_(log), width_(width), height_(height), canBegin_(canBegin) {}

double RecordingSurface::TextWidth(const TextStyle& style, const String& text) {
  return 0.5 * style.size * static_cast<double>(text.size());
}

bool RecordingSurface::Begin() {
  if (!canBegin_) return false;
  log_.pages = 1;
  return true;
}

void RecordingSurface::DrawLine(const TextStyle& style, const String& line, double x, double y,
                                double wrap) {
  log_.lines.push_back({line, style, x, y, wrap, log_.pages, TextWidth(style, line),
                        y - Ascent(style) + LineSpacing(style)});
}

}  // namespace fw
