#pragma once
// What the record list printout and the full-information printout share:
// values kept on one line, the fit of a line on the page, the numbered page
// headings and the credit footer.

#include "framework/Printing.h"
#include "framework/String.h"

// `value` on one printed line: each line end (CR, LF, CRLF) as "\\".
fw::String OneLine(const fw::String& value);

// Whether a line of the current font with its baseline at `baseline` ends
// within the printable height.
bool LineFits(fw::Graphics& g, fw::Integer baseline);

// The numbered pages of one printout. Each page begins with a heading at
// x 60 and "Seite " with its number at Width - 85, both in italics on one
// baseline, in Arial 10.
class PrintedPages {
 public:
  // `firstLine`: where each page's content begins below its heading.
  PrintedPages(fw::Graphics& g, fw::Integer headingBaseline, fw::Integer firstLine);

  // The heading of the current page.
  void Heading(const fw::String& text);
  // Ends the page and heads the next one; returns its firstLine.
  fw::Integer Next(const fw::String& heading);
  // The credit footer, italic in `font` 10, at `baseline` when it fits
  // there, else on a new page headed `heading`, `offset` below its
  // firstLine. The font is left at `font`.
  void Footer(fw::Integer baseline, const fw::String& font, const fw::String& heading,
              fw::Integer offset);

 private:
  fw::Graphics& g_;
  fw::Integer headingBaseline_;
  fw::Integer firstLine_;
  fw::Integer number_ = 1;
};
