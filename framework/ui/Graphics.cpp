// The page surface's rules: units, metrics, line ends, wrapping and
// condensing, and when the job begins. The surfaces below only measure and
// draw single lines.

#include "framework/Dialogs.h"
#include "framework/Printing.h"

#include <QStringList>

#include <cmath>

namespace fw {
namespace {

// Metrics come as fractions of a point; a hair of rounding noise must not
// add a whole unit. Sizes are cut down, metrics rounded up.
constexpr double kNoise = 1e-3;
Integer CutDown(double points) { return static_cast<Integer>(std::floor(points + kNoise)); }
Integer RoundUp(double points) { return static_cast<Integer>(std::ceil(points - kNoise)); }

QStringList Lines(const String& text) {
  String t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  return t.split(u'\n');
}

}  // namespace

Graphics::Graphics(std::unique_ptr<PageSurface> surface) : surface_(std::move(surface)) {}

Graphics::~Graphics() {
  if (job_ == Job::kRunning) surface_->End();
}

TextStyle Graphics::Style() const { return {TextFont, TextSize, Italic, Bold}; }

Integer Graphics::Width() const { return CutDown(surface_->PageWidth()); }

Integer Graphics::Height() const { return CutDown(surface_->PageHeight()); }

Integer Graphics::TextHeight() { return RoundUp(surface_->LineSpacing(Style())); }

Integer Graphics::TextAscent() { return RoundUp(surface_->Ascent(Style())); }

bool Graphics::Started() {
  if (job_ == Job::kNotBegun) {
    if (surface_->Begin()) {
      job_ = Job::kRunning;
    } else {
      job_ = Job::kFailed;
      Beep();
      MsgBox(QStringLiteral("Der Druckauftrag konnte nicht begonnen werden:") + EndOfLine +
             surface_->Destination());
    }
  }
  return job_ == Job::kRunning;
}

void Graphics::DrawString(const String& text, Integer x, Integer y, Integer wrap, bool condense) {
  if (!Started()) return;
  const TextStyle style = Style();
  const Integer step = TextHeight();
  for (const String& line : Lines(text)) {
    if (wrap > 0 && !condense) {
      DrawWrapped(style, line, x, y, wrap);
      continue;
    }
    surface_->DrawLine(style, wrap > 0 ? Condensed(style, line, wrap) : line, x, y, wrap);
    y += step;
  }
}

// The longest beginning of `line` that fits into `wrap` together with "…".
String Graphics::Condensed(const TextStyle& style, const String& line, double wrap) {
  if (surface_->TextWidth(style, line) <= wrap) return line;
  const String ellipsis = QStringLiteral("…");
  qsizetype fits = 0, tooLong = line.size();
  while (tooLong - fits > 1) {
    const qsizetype mid = (fits + tooLong) / 2;
    if (surface_->TextWidth(style, line.left(mid) + ellipsis) <= wrap) {
      fits = mid;
    } else {
      tooLong = mid;
    }
  }
  if (fits > 0 && line[fits - 1].isHighSurrogate()) --fits;  // never half a character
  return line.left(fits) + ellipsis;
}

// Broken at the last blank that lets the line fit; a word wider than the
// width stands alone on its line.
void Graphics::DrawWrapped(const TextStyle& style, const String& line, Integer x, Integer& y,
                           Integer wrap) {
  const Integer step = TextHeight();
  String rest = line;
  while (surface_->TextWidth(style, rest) > wrap) {
    qsizetype cut = -1;
    for (qsizetype i = rest.lastIndexOf(u' '); i > 0; i = rest.lastIndexOf(u' ', i - 1)) {
      if (surface_->TextWidth(style, rest.left(i)) <= wrap) {
        cut = i;
        break;
      }
    }
    if (cut < 0) cut = rest.indexOf(u' ', 1);
    if (cut < 0) break;
    surface_->DrawLine(style, rest.left(cut), x, y, wrap);
    y += step;
    rest = rest.mid(cut + 1);
  }
  surface_->DrawLine(style, rest, x, y, wrap);
  y += step;
}

void Graphics::NextPage() {
  if (Started()) surface_->NewPage();
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup, const Window* parent) {
  std::unique_ptr<PageSurface> surface = Dialogs().PrintDialog(setup, parent);
  if (!surface) return nullptr;
  return std::make_unique<Graphics>(std::move(surface));
}

}  // namespace fw
