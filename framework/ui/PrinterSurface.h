#pragma once
// The page surface of a job on a real QPrinter: a PDF file or a printer.

#include "framework/Printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <optional>

namespace fw::ui {

class PrinterSurface : public PageSurface {
 public:
  explicit PrinterSurface(QPrinter& printer);

  double PageWidth() const override;
  double PageHeight() const override;
  double LineSpacing(const TextStyle& style) override;
  double Ascent(const TextStyle& style) override;
  double TextWidth(const TextStyle& style, const String& text) override;
  bool Begin() override;
  String Destination() const override;
  void DrawLine(const TextStyle& style, const String& line, double x, double y,
                double wrap) override;
  void NewPage() override;
  void End() override;

 private:
  // The font and its metrics on the printer for `style`, kept for the
  // next call with the same style.
  const QFontMetricsF& Metrics(const TextStyle& style);

  QPrinter& printer_;
  QPainter painter_;
  double pixelsPerPoint_;
  TextStyle style_;
  QFont font_;
  std::optional<QFontMetricsF> metrics_;
};

// The family a style's font name prints in: "Arial" and "Times" in
// Liberation Sans and Liberation Serif, which have their metrics, unless
// the face itself is installed; "System" the application's font.
String PrintFamily(const String& name);

}  // namespace fw::ui
