#pragma once
// A page surface for tests: it draws nothing and logs every line with its
// font, position, wrap width and page, on a page of a given size with known
// metrics: a line spacing of 1.2, an ascent of 0.9 and a character advance
// of 0.5 times the font size (Arial 10: 12, 9 and 5 units).

#include "framework/Printing.h"

#include <vector>

namespace fw {

struct DrawnLine {
  String text;
  TextStyle style;
  double x = 0, y = 0;  // y the baseline
  double wrap = 0;
  Integer page = 0;   // from 1
  double width = 0;   // its advance
  double bottom = 0;  // the lowest point of its line: baseline - ascent + line spacing
};

struct PrintLog {
  std::vector<DrawnLine> lines;
  Integer pages = 0;   // 0: the job never began
  bool ended = false;  // the job was finished
};

class RecordingSurface : public PageSurface {
 public:
  // `canBegin` false: a job that cannot be started (a printer gone).
  RecordingSurface(PrintLog& log, double width, double height, bool canBegin = true);

  double PageWidth() const override { return width_; }
  double PageHeight() const override { return height_; }
  double LineSpacing(const TextStyle& style) override { return 1.2 * style.size; }
  double Ascent(const TextStyle& style) override { return 0.9 * style.size; }
  double TextWidth(const TextStyle& style, const String& text) override;
  bool Begin() override;
  String Destination() const override { return QStringLiteral("Testdrucker"); }
  void DrawLine(const TextStyle& style, const String& line, double x, double y,
                double wrap) override;
  void NewPage() override { ++log_.pages; }
  void End() override { log_.ended = true; }

 private:
  PrintLog& log_;
  double width_, height_;
  bool canBegin_;
};

}  // namespace fw
