#pragma once
// Printing: the page setup every printout shares, the print dialog and the
// page surface a printout draws on.
//
// Units: one unit is one point (1/72 inch) of the page's printable area,
// x from its left edge and y from its top edge. Width, Height, TextHeight
// and TextAscent are whole units (see Graphics for the rounding).
//
// A print job begins with its first drawing, so a printout that draws
// nothing prints no blank page; releasing the Graphics ends the job. A job
// that cannot begin (a printer gone, an unwritable file) beeps and says so
// once; its drawing is then dropped.
//
// The page setup dialog and the print dialog go through the dialog seam
// (Dialogs.h): tests answer the print dialog with a recording surface
// (testsupport/RecordingSurface.h) or a PDF file (PrintToPdf).

#include "framework/String.h"

#include <memory>

class QPrinter;

namespace fw {

class Window;

// The font of the following measuring and drawing.
struct TextStyle {
  String font;
  double size = 12;
  bool italic = false;
  bool bold = false;
  bool operator==(const TextStyle&) const = default;
};

// What a print job draws on, in points. Graphics holds the settings and
// the rules; a surface only measures and draws one line at a time.
class PageSurface {
 public:
  virtual ~PageSurface() = default;
  // The printable area of a page.
  virtual double PageWidth() const = 0;
  virtual double PageHeight() const = 0;
  // The distance from one baseline to the next, the part above the
  // baseline, and the advance of `text`.
  virtual double LineSpacing(const TextStyle& style) = 0;
  virtual double Ascent(const TextStyle& style) = 0;
  virtual double TextWidth(const TextStyle& style, const String& text) = 0;
  // Starts the job; false when it cannot be started.
  virtual bool Begin() = 0;
  // Where the job goes, for the message when it cannot begin.
  virtual String Destination() const = 0;
  // One line without line ends, its baseline at y; `wrap` is the width the
  // caller gave (0: none), for surfaces that record it.
  virtual void DrawLine(const TextStyle& style, const String& line, double x, double y,
                        double wrap) = 0;
  virtual void NewPage() = 0;
  // Finishes the job (only after a successful Begin).
  virtual void End() = 0;
};

// The page setup: one printer with its paper, orientation and margins,
// kept for the program's run and handed to every print dialog.
class PrinterSetup {
 public:
  PrinterSetup();
  ~PrinterSetup();
  PrinterSetup(const PrinterSetup&) = delete;
  PrinterSetup& operator=(const PrinterSetup&) = delete;

  // The platform's page setup dialog, without a parent window; true when
  // the user confirmed.
  bool PageSetupDialog();

  QPrinter& printer() const;  // layer-internal

 private:
  std::unique_ptr<QPrinter> printer_;
};

// The page surface of one print job.
class Graphics {
 public:
  explicit Graphics(std::unique_ptr<PageSurface> surface);
  ~Graphics();  // ends the job
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  // Settings for every following DrawString and measurement. "System" is
  // the platform's font; "Arial" and "Times" print in metric-compatible
  // faces where they are not installed.
  String TextFont = QStringLiteral("System");
  double TextSize = 12;
  bool Italic = false;
  bool Bold = false;

  // The printable area, cut to whole units.
  Integer Width() const;
  Integer Height() const;
  // Line spacing and ascent of the current settings, rounded up, so lines
  // one TextHeight apart never overlap.
  Integer TextHeight();
  Integer TextAscent();

  // Draws text with the baseline of its first line at y; each line end
  // (CR, LF or CRLF) starts a new line one TextHeight lower. A wrap width
  // of 0 draws each line whole; otherwise a line wider than it is broken
  // at blanks into more lines, or, with condense, shortened with "…" to
  // fit on its one line.
  void DrawString(const String& text, Integer x, Integer y, Integer wrap = 0,
                  bool condense = false);
  // Ends the page; the following drawing goes to a new one.
  void NextPage();

 private:
  TextStyle Style() const;
  bool Started();
  String Condensed(const TextStyle& style, const String& line, double wrap);
  void DrawWrapped(const TextStyle& style, const String& line, Integer x, Integer& y, Integer wrap);

  std::unique_ptr<PageSurface> surface_;
  enum class Job { kNotBegun, kRunning, kFailed } job_ = Job::kNotBegun;
};

// The print dialog for `setup` within `parent` (nullptr: none): the page
// surface of a new job, or nullptr when the user cancels.
std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup, const Window* parent);

// The surface of a job on `setup`'s printer written as a PDF file to
// `path`, as the print dialog's "print to file" gives it.
std::unique_ptr<PageSurface> PrintToPdf(PrinterSetup& setup, const String& path);

}  // namespace fw
