// Both printouts keep every line within the printable area, on A4 and
// Letter with two margins each: a page break comes when a block's last
// line would not fit, and the footer follows the last block or takes a
// page of its own.

#include "PrintingFixture.h"

#include "printing/PrintInfoWindow.h"

#include <QPageLayout>
#include <QPageSize>

using namespace Qt::StringLiterals;
using klangbuch_test::PrintingFixture;
using klangbuch_test::Recording;

namespace {

struct Paper {
  const char* name;
  QPageSize::PageSizeId size;
  double marginMm;
};

class PrintableArea : public PrintingFixture, public ::testing::WithParamInterface<Paper> {
 protected:
  QSizeF Printable() const {
    const Paper& p = GetParam();
    return QPageLayout(QPageSize(p.size), QPageLayout::Portrait,
                       QMarginsF(p.marginMm, p.marginMm, p.marginMm, p.marginMm),
                       QPageLayout::Millimeter)
        .paintRect(QPageLayout::Point)
        .size();
  }

  static void ExpectWithin(const fw::PrintLog& log, QSizeF page) {
    ASSERT_FALSE(log.lines.empty());
    for (const fw::DrawnLine& l : log.lines) {
      const double ascent = 0.9 * l.style.size;
      EXPECT_GE(l.x, 0) << l.text.toStdString();
      EXPECT_LE(l.x + l.width, page.width()) << l.text.toStdString();
      EXPECT_GE(l.y - ascent, 0) << l.text.toStdString();
      EXPECT_LE(l.bottom, page.height()) << l.text.toStdString() << " on page " << l.page;
    }
  }
};

TEST_P(PrintableArea, NoLineOfEitherPrintoutLiesOutside) {
  // Long values with line ends in every field, enough for several pages.
  for (int i = 0; i < 40; ++i) {
    Recording r;
    r.Titel = u"Titel %1 "_s.arg(i) + QString(150, u't');
    r.Interpret = u"Chor\nund Orchester "_s + QString(150, u'i');
    r.Ort = QString(150, u'o');
    r.Bemerkung = u"erste\r\nzweite "_s + QString(150, u'b');
    r.Technik = QString(150, u'k');
    Add(r);
  }
  Open();
  SearchWindow::SharedInstance().filter = u"Titel <> '"_s + QString(300, u'x') + u"'"_s;
  MainWindow::SharedInstance().UpdateRecList();
  const QSizeF page = Printable();

  fw::PrintLog& list = AnswerPrintDialog(page.width(), page.height());
  MainWindow::SharedInstance().FilePrint_Action();
  EXPECT_GT(list.pages, 1);
  ExpectWithin(list, page);

  PrintInfoWindow& w = OpenPrintInfo();
  for (int row = 0; row < w.RecList2().ListCount(); ++row) w.RecList2().SetSelected(row, true);
  fw::PrintLog& full = AnswerPrintDialog(page.width(), page.height());
  w.PrintInfo().Push();
  EXPECT_GT(full.pages, 1);
  ExpectWithin(full, page);
}

INSTANTIATE_TEST_SUITE_P(A4AndLetter, PrintableArea,
                         ::testing::Values(Paper{"A4_15mm", QPageSize::A4, 15},
                                           Paper{"A4_25mm", QPageSize::A4, 25},
                                           Paper{"Letter_half_inch", QPageSize::Letter, 12.7},
                                           Paper{"Letter_one_inch", QPageSize::Letter, 25.4}),
                         [](const ::testing::TestParamInfo<Paper>& info) {
                           return info.param.name;
                         });

}  // namespace
