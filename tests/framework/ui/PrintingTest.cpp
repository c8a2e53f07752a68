// The page surface's rules on the recording surface (metrics, line ends,
// condensing, wrapping, when the job begins and what a job that cannot
// begin does), the dialog seam's print dialogs, and the real printer:
// page sizes in points, the pinned fonts and a PDF file.

#include "framework/Printing.h"
#include "framework/testsupport/RecordingSurface.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/ui/PrinterSurface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace fw {
namespace {

using namespace Qt::StringLiterals;

class GraphicsTest : public ::testing::Test {
 protected:
  Graphics& Surface(double width = 500.6, double height = 700.9, bool canBegin = true) {
    g = std::make_unique<Graphics>(
        std::make_unique<RecordingSurface>(log, width, height, canBegin));
    g->TextFont = u"Arial"_s;
    g->TextSize = 10;
    return *g;
  }
  QStringList Texts() const {
    QStringList texts;
    for (const DrawnLine& l : log.lines) texts << l.text;
    return texts;
  }

  ScriptedDialogs dialogs;
  PrintLog log;
  std::unique_ptr<Graphics> g;
};

TEST_F(GraphicsTest, UnitsAreWholePointsOfThePrintableAreaAndMetricsRoundUp) {
  Graphics& gr = Surface();
  EXPECT_EQ(gr.Width(), 500);
  EXPECT_EQ(gr.Height(), 700);
  EXPECT_EQ(gr.TextHeight(), 12);
  EXPECT_EQ(gr.TextAscent(), 9);
  gr.TextSize = 11;  // 13.2 and 9.9
  EXPECT_EQ(gr.TextHeight(), 14);
  EXPECT_EQ(gr.TextAscent(), 10);
}

TEST_F(GraphicsTest, EveryLineEndStartsALineOneTextHeightLowerInTheCurrentStyle) {
  Graphics& gr = Surface();
  gr.Italic = true;
  gr.Bold = true;
  gr.DrawString(u"eins\r\nzwei\rdrei\nvier"_s, 60, 100);
  ASSERT_EQ(Texts(), (QStringList{u"eins"_s, u"zwei"_s, u"drei"_s, u"vier"_s}));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(log.lines[i].x, 60);
    EXPECT_EQ(log.lines[i].y, 100 + 12 * i);
    EXPECT_EQ(log.lines[i].style, (TextStyle{u"Arial"_s, 10, true, true}));
  }
}

TEST_F(GraphicsTest, WrapAndCondense) {
  const struct {
    const char* name;
    const char* text;
    Integer wrap;
    bool condense;
    QStringList lines;
  } cases[] = {
      {"no limit", "abcdefghijklmnopqrst", 0, false, {u"abcdefghijklmnopqrst"_s}},
      {"no limit, condense", "abcdefghijklmnopqrst", 0, true, {u"abcdefghijklmnopqrst"_s}},
      {"fits exactly", "abcdefghij", 50, true, {u"abcdefghij"_s}},
      {"condensed with an ellipsis", "abcdefghijk", 50, true, {u"abcdefghi…"_s}},
      {"condensed, each line alone", "abcdefghijk\nkurz", 50, true, {u"abcdefghi…"_s, u"kurz"_s}},
      {"wrapped at blanks", "aaa bbb ccc", 40, false, {u"aaa bbb"_s, u"ccc"_s}},
      {"a long word stands alone", "aaaaaaaaaa bb", 20, false, {u"aaaaaaaaaa"_s, u"bb"_s}},
  };
  for (const auto& c : cases) {
    log = PrintLog();
    Surface().DrawString(QString::fromUtf8(c.text), 10, 20, c.wrap, c.condense);
    EXPECT_EQ(Texts(), c.lines) << c.name;
    for (size_t i = 0; i < log.lines.size(); ++i) {
      EXPECT_EQ(log.lines[i].y, 20 + 12 * static_cast<int>(i)) << c.name;
      EXPECT_EQ(log.lines[i].wrap, c.wrap) << c.name;
      if (c.condense && c.wrap > 0) {
        EXPECT_LE(log.lines[i].width, c.wrap) << c.name;
      }
    }
  }
}

TEST_F(GraphicsTest, TheJobBeginsWithTheFirstDrawingAndEndsWithTheSurface) {
  Surface();
  EXPECT_EQ(g->TextHeight(), 12);  // measuring begins nothing
  g.reset();
  EXPECT_EQ(log.pages, 0);
  EXPECT_FALSE(log.ended);

  Surface().DrawString(u"eins"_s, 0, 10);
  g->NextPage();
  g->DrawString(u"zwei"_s, 0, 10);
  EXPECT_FALSE(log.ended);
  g.reset();
  EXPECT_EQ(log.pages, 2);
  EXPECT_TRUE(log.ended);
  EXPECT_EQ(log.lines[1].page, 2);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GraphicsTest, AJobThatCannotBeginBeepsAndSaysSoOnce) {
  Graphics& gr = Surface(500, 700, false);
  gr.DrawString(u"eins"_s, 0, 10);
  gr.NextPage();
  gr.DrawString(u"zwei"_s, 0, 10);
  g.reset();
  EXPECT_EQ(dialogs.BeepCount(), 1);
  EXPECT_EQ(
      dialogs.MsgBoxTexts(),
      (std::vector<String>{u"Der Druckauftrag konnte nicht begonnen werden:\nTestdrucker"_s}));
  EXPECT_TRUE(log.lines.empty());
  EXPECT_FALSE(log.ended);
}

TEST_F(GraphicsTest, BothDialogsGoThroughTheSeam) {
  PrinterSetup setup;
  EXPECT_FALSE(setup.PageSetupDialog());  // unanswered: cancelled
  dialogs.AnswerNextPageSetupWith(true);
  EXPECT_TRUE(setup.PageSetupDialog());

  EXPECT_EQ(OpenPrinterDialog(setup, nullptr), nullptr);  // unanswered: cancelled
  dialogs.AnswerNextPrintDialogWith(std::make_unique<RecordingSurface>(log, 300, 400));
  std::unique_ptr<Graphics> answered = OpenPrinterDialog(setup, nullptr);
  ASSERT_NE(answered, nullptr);
  EXPECT_EQ(answered->Width(), 300);
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[0].kind, ShownDialog::kPageSetup);
  EXPECT_EQ(dialogs.shown[2].kind, ShownDialog::kPrint);
}

// The real printer: what a page setup gives in points, for two papers and
// two margins each, and the faces the printouts' fonts come out in.
TEST(PrinterSurfaceTest, PrintableAreaInPointsForA4AndLetter) {
  // The paper in whole points as Qt defines it (A4 595 x 842, Letter 612 x
  // 792) less the margins.
  const struct {
    QPageSize::PageSizeId paper;
    double marginMm;
    Integer width, height;
  } cases[] = {{QPageSize::A4, 15, 509, 756},
               {QPageSize::A4, 25, 453, 700},
               {QPageSize::Letter, 12.7, 540, 720},
               {QPageSize::Letter, 25.4, 468, 648}};
  for (const auto& c : cases) {
    PrinterSetup setup;
    setup.printer().setPageLayout(QPageLayout(
        QPageSize(c.paper), QPageLayout::Portrait,
        QMarginsF(c.marginMm, c.marginMm, c.marginMm, c.marginMm), QPageLayout::Millimeter));
    QTemporaryDir dir;
    Graphics gr(PrintToPdf(setup, dir.filePath(u"p.pdf"_s)));
    EXPECT_EQ(gr.Width(), c.width) << c.marginMm;
    EXPECT_EQ(gr.Height(), c.height) << c.marginMm;
  }
}

TEST(PrinterSurfaceTest, ArialAndTimesPrintInTheirMetricCompatibleFaces) {
  for (const auto& [name, face] : {std::pair{u"Arial"_s, u"Liberation Sans"_s},
                                   std::pair{u"Times"_s, u"Liberation Serif"_s}}) {
    const String family = ui::PrintFamily(name);
    EXPECT_TRUE(family == name || family == face) << family.toStdString();
    EXPECT_EQ(QFontInfo(QFont(family)).family(), family == name ? name : face);
  }
  PrinterSetup setup;
  QTemporaryDir dir;
  Graphics gr(PrintToPdf(setup, dir.filePath(u"m.pdf"_s)));
  gr.TextFont = u"Arial"_s;
  gr.TextSize = 10;
  // Liberation Sans 10: ascent 9.05, line spacing 11.5.
  EXPECT_EQ(gr.TextHeight(), 12);
  EXPECT_EQ(gr.TextAscent(), 10);
}

TEST(PrinterSurfaceTest, APdfThatCannotBeWrittenIsReported) {
  ScriptedDialogs dialogs;
  PrinterSetup setup;
  const String path = u"/nonexistent-folder/liste.pdf"_s;
  {
    Graphics gr(PrintToPdf(setup, path));
    gr.DrawString(u"eins"_s, 60, 60);
  }
  EXPECT_EQ(dialogs.BeepCount(), 1);
  EXPECT_EQ(dialogs.MsgBoxTexts(),
            (std::vector<String>{u"Der Druckauftrag konnte nicht begonnen werden:\n"_s + path}));
  EXPECT_FALSE(QFile::exists(path));
}

TEST(PrinterSurfaceTest, APdfOfTwoPages) {
  PrinterSetup setup;
  QTemporaryDir dir;
  const String path = dir.filePath(u"zwei.pdf"_s);
  {
    Graphics gr(PrintToPdf(setup, path));
    gr.TextFont = u"Arial"_s;
    gr.TextSize = 10;
    gr.DrawString(u"Seite eins"_s, 60, 60);
    gr.NextPage();
    gr.DrawString(u"Seite zwei"_s, 60, 60);
  }
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_TRUE(bytes.contains("/Count 2"));
}

}  // namespace
}  // namespace fw
