#include "printing/Printout.h"

#include "app/Author.h"

using namespace fw::literals;

namespace {
constexpr fw::Integer kLeft = 60;
constexpr fw::Integer kPageNumberFromRight = 85;
}  // namespace

fw::String OneLine(const fw::String& value) {
  fw::String line = fw::ReplaceAll(value, u"\r\n"_s, u"\\\\"_s);
  line = fw::ReplaceAll(line, u"\r"_s, u"\\\\"_s);
  return fw::ReplaceAll(line, u"\n"_s, u"\\\\"_s);
}

bool LineFits(fw::Graphics& g, fw::Integer baseline) {
  return baseline - g.TextAscent() + g.TextHeight() <= g.Height();
}

PrintedPages::PrintedPages(fw::Graphics& g, fw::Integer headingBaseline, fw::Integer firstLine)
    : g_(g), headingBaseline_(headingBaseline), firstLine_(firstLine) {}

void PrintedPages::Heading(const fw::String& text) {
  g_.TextFont = u"Arial"_s;
  g_.TextSize = 10;
  g_.Italic = true;
  g_.DrawString(text, kLeft, headingBaseline_, 0, false);
  g_.DrawString(u"Seite "_s + fw::Str(number_), g_.Width() - kPageNumberFromRight, headingBaseline_,
                0, false);
  g_.Italic = false;
}

fw::Integer PrintedPages::Next(const fw::String& heading) {
  g_.NextPage();
  ++number_;
  Heading(heading);
  return firstLine_;
}

void PrintedPages::Footer(fw::Integer baseline, const fw::String& font, const fw::String& heading,
                          fw::Integer offset) {
  g_.TextFont = font;
  g_.TextSize = 10;
  g_.Italic = true;
  if (!LineFits(g_, baseline)) {
    baseline = Next(heading) + offset;
    g_.TextFont = font;
    g_.Italic = true;
  }
  // The credit names the author's site, as the About window does.
  g_.DrawString(u"Gedruckt mit Klangbuch \u2013 "_s + AuthorDomain(), kLeft, baseline, 0, false);
}
