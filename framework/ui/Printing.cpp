// The page setup over one QPrinter and the page surface on it.

#include "framework/Printing.h"

#include "framework/Dialogs.h"
#include "framework/ui/PrinterSurface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace fw {

PrinterSetup::PrinterSetup() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog() { return Dialogs().PageSetupDialog(*this); }

QPrinter& PrinterSetup::printer() const { return *printer_; }

std::unique_ptr<PageSurface> PrintToPdf(PrinterSetup& setup, const String& path) {
  QPrinter& printer = setup.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  return std::make_unique<ui::PrinterSurface>(printer);
}

namespace ui {

String PrintFamily(const String& name) {
  if (name.isEmpty() || name.compare(QStringLiteral("System"), Qt::CaseInsensitive) == 0)
    return QGuiApplication::font().family();
  static const struct {
    const char* name;
    const char* pinned;
  } kPins[] = {{"Arial", "Liberation Sans"}, {"Times", "Liberation Serif"}};
  for (const auto& pin : kPins) {
    if (name.compare(QLatin1String(pin.name), Qt::CaseInsensitive) != 0) continue;
    // Where the face itself is installed it prints as itself.
    if (QFontInfo(QFont(name)).family().compare(name, Qt::CaseInsensitive) == 0) return name;
    const String pinned = QString::fromLatin1(pin.pinned);
    return QFontDatabase::hasFamily(pinned) ? pinned : name;
  }
  return name;
}

PrinterSurface::PrinterSurface(QPrinter& printer)
    : printer_(printer), pixelsPerPoint_(printer.resolution() / 72.0) {}

double PrinterSurface::PageWidth() const { return printer_.pageRect(QPrinter::Point).width(); }

double PrinterSurface::PageHeight() const { return printer_.pageRect(QPrinter::Point).height(); }

const QFontMetricsF& PrinterSurface::Metrics(const TextStyle& style) {
  if (!metrics_ || !(style == style_)) {
    style_ = style;
    font_ = QFont(PrintFamily(style.font));
    font_.setPointSizeF(style.size);
    font_.setItalic(style.italic);
    font_.setBold(style.bold);
    metrics_.emplace(font_, &printer_);
  }
  return *metrics_;
}

double PrinterSurface::LineSpacing(const TextStyle& style) {
  return Metrics(style).lineSpacing() / pixelsPerPoint_;
}

double PrinterSurface::Ascent(const TextStyle& style) {
  return Metrics(style).ascent() / pixelsPerPoint_;
}

double PrinterSurface::TextWidth(const TextStyle& style, const String& text) {
  return Metrics(style).horizontalAdvance(text) / pixelsPerPoint_;
}

bool PrinterSurface::Begin() { return painter_.begin(&printer_); }

String PrinterSurface::Destination() const {
  return printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
}

void PrinterSurface::DrawLine(const TextStyle& style, const String& line, double x, double y,
                              double) {
  Metrics(style);
  if (painter_.font() != font_) painter_.setFont(font_);
  painter_.drawText(QPointF(x * pixelsPerPoint_, y * pixelsPerPoint_), line);
}

void PrinterSurface::NewPage() { printer_.newPage(); }

void PrinterSurface::End() { painter_.end(); }

}  // namespace ui
}  // namespace fw
