// The record list of 30 recordings printed through the real printer into
// a PDF file (A4, 15 mm margins) and read back with pdftotext -bbox-layout:
// three pages (13, 13 and 4 blocks), their headings and record lines, and
// no word outside the margins.

#include "PrintingFixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using klangbuch_test::PrintingFixture;

namespace {

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};

struct Page {
  double width = 0, height = 0;
  std::vector<Word> words;
  // The words of one printed line: those whose baseline box starts at the
  // first word's top, in order.
  QStringList Line(const QString& firstWord) const {
    QStringList line;
    const Word* first = nullptr;
    for (const Word& w : words) {
      if (!first && w.text == firstWord) first = &w;
      if (first && std::abs(w.yMin - first->yMin) < 0.5) line << w.text;
    }
    return line;
  }
};

std::vector<Page> ReadBack(const QString& pdf) {
  const QString html = pdf + u".html"_s;
  QProcess::execute(u"pdftotext"_s, {u"-bbox-layout"_s, pdf, html});
  QFile file(html);
  std::vector<Page> pages;
  if (!file.open(QIODevice::ReadOnly)) return pages;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    if (xml.name() == u"page") {
      pages.push_back({a.value(u"width"_s).toDouble(), a.value(u"height"_s).toDouble(), {}});
    } else if (xml.name() == u"word" && !pages.empty()) {
      const double x0 = a.value(u"xMin"_s).toDouble(), y0 = a.value(u"yMin"_s).toDouble();
      const double x1 = a.value(u"xMax"_s).toDouble(), y1 = a.value(u"yMax"_s).toDouble();
      pages.back().words.push_back({xml.readElementText(), x0, y0, x1, y1});
    }
  }
  return pages;
}

class PdfPrintout : public PrintingFixture {
 protected:
  void SetUp() override {
    PrintingFixture::SetUp();
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
      GTEST_SKIP() << "pdftotext missing (poppler-utils)";
  }
};

TEST_F(PdfPrintout, ThirtyRecordingsOnThreePagesWithinTheMargins) {
  AddNumbered(30);
  Open();
  const QString pdf = programDir.filePath(u"liste.pdf"_s);
  dialogs.AnswerNextPrintDialogWith(fw::PrintToPdf(*app->p, pdf));
  EXPECT_TRUE(MainWindow::SharedInstance().FilePrint_Action());
  EXPECT_TRUE(dialogs.shown.size() == 1u);  // the dialog only: no message

  const std::vector<Page> pages = ReadBack(pdf);
  ASSERT_EQ(pages.size(), 3u);
  const double margin = 15 / 25.4 * 72;
  int records = 0;
  for (size_t p = 0; p < pages.size(); ++p) {
    const Page& page = pages[p];
    SCOPED_TRACE(p + 1);
    EXPECT_NEAR(page.width, 595, 1);
    EXPECT_NEAR(page.height, 842, 1);
    EXPECT_EQ(page.Line(u"Liste"_s),
              (QStringList{u"Liste"_s, u"der"_s, u"Aufnahmen,"_s, u"Stand"_s, u"15.06.26"_s,
                           u"Seite"_s, QString::number(p + 1)}));
    EXPECT_EQ(page.Line(u"Alle"_s).isEmpty(), p > 0);  // the sub-title on page 1 only
    for (const Word& w : page.words) {
      EXPECT_GE(w.xMin, margin - 0.5) << w.text.toStdString();
      EXPECT_LE(w.xMax, page.width - margin + 0.5) << w.text.toStdString();
      EXPECT_GE(w.yMin, margin - 0.5) << w.text.toStdString();
      EXPECT_LE(w.yMax, page.height - margin + 0.5) << w.text.toStdString();
      records += w.text == u"Ort:";
    }
  }
  EXPECT_EQ(records, 30);
  EXPECT_EQ(pages[0].Line(u"31.12.2020,"_s), (QStringList{u"31.12.2020,"_s, u"P"_s, u"1"_s}));
  EXPECT_EQ(pages[0].Line(u"Titel"_s), (QStringList{u"Titel"_s, u"1,"_s, u"Chor"_s}));
  EXPECT_EQ(pages[0].Line(u"Ort:"_s),
            (QStringList{u"Ort:"_s, u"Köln"_s, u"(WDR"_s, u"3,"_s, u"DSD,"_s, u"CD)"_s}));
  EXPECT_EQ(pages[2].Line(u"Gedruckt"_s).size(), 5);  // the footer after the last block
  // 13 blocks on each of the first two pages, 4 on the last.
  int onLast = 0;
  for (const Word& w : pages[2].words) onLast += w.text == u"Ort:";
  EXPECT_EQ(onLast, 4);
}

// The full-information printout with no row selected: one page that holds
// the heading, its number and the credit, and nothing else.
TEST_F(PdfPrintout, FullInfoWithNothingSelectedIsOnePageOfHeadingAndCredit) {
  AddNumbered(3);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const QString pdf = programDir.filePath(u"vollinfo.pdf"_s);
  dialogs.AnswerNextPrintDialogWith(fw::PrintToPdf(*app->p, pdf));
  w.PrintInfo().Push();

  const std::vector<Page> pages = ReadBack(pdf);
  ASSERT_EQ(pages.size(), 1u);
  const QStringList heading{u"Vollinfo"_s, u"ausgewählter"_s, u"Aufnahmen,"_s, u"Stand"_s,
                            u"15.06.26"_s, u"Seite"_s,        u"1"_s};
  const QStringList credit{u"Gedruckt"_s, u"mit"_s, u"Klangbuch"_s, u"–"_s,
                           u"klangbuch.example.org"_s};
  EXPECT_EQ(pages[0].Line(u"Vollinfo"_s), heading);
  EXPECT_EQ(pages[0].Line(u"Gedruckt"_s), credit);
  EXPECT_EQ(pages[0].words.size(), static_cast<size_t>(heading.size() + credit.size()));
}

}  // namespace
