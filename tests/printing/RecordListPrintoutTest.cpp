// The printed record list, on a recording surface of A4 with 15 mm margins
// (510 x 756 units, Arial 10: line 12, ascent 9, 5 units a character):
// page 1 holds 13 blocks of three lines, and so does every later page.

#include "PrintingFixture.h"

#include <QString>

using namespace Qt::StringLiterals;
using klangbuch_test::PrintingFixture;
using klangbuch_test::Recording;

namespace {

const QString kFooter = u"Gedruckt mit Klangbuch – klangbuch.example.org"_s;
const QString kTitle = u"Liste der Aufnahmen, Stand 15.06.26"_s;

struct Drawn {
  QString text;
  double x, y;
  int page;
  bool italic;
  bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& d, std::ostream* os) {
  *os << '"' << d.text.toStdString() << "\" at " << d.x << "," << d.y << " p" << d.page
      << (d.italic ? " italic" : "");
}

std::vector<Drawn> Drawing(const fw::PrintLog& log) {
  std::vector<Drawn> out;
  for (const fw::DrawnLine& l : log.lines)
    out.push_back({l.text, l.x, l.y, l.page, l.style.italic});
  return out;
}

class RecordListPrintout : public PrintingFixture {
 protected:
  fw::PrintLog& Print(double width = 510.2, double height = 756.9) {
    fw::PrintLog& log = AnswerPrintDialog(width, height);
    EXPECT_TRUE(MainWindow::SharedInstance().FilePrint_Action());
    return log;
  }
};

TEST_F(RecordListPrintout, CancelRunsNoQueryAndShowsNothing) {
  Open();
  SearchWindow::SharedInstance().filter = u"NoSuchColumn = 1"_s;
  EXPECT_TRUE(MainWindow::SharedInstance().FilePrint_Action());
  EXPECT_EQ(PrintDialogs(), 1);
  EXPECT_TRUE(dialogs.MsgBoxTexts().empty());
}

TEST_F(RecordListPrintout, ADatabaseErrorAfterTheDialogIsShownAndNoPageIsPrinted) {
  Open();
  SearchWindow::SharedInstance().filter = u"NoSuchColumn = 1"_s;
  const fw::PrintLog& log = Print();
  ASSERT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].startsWith(u"Database Error: "_s));
  EXPECT_EQ(log.pages, 0);
}

TEST_F(RecordListPrintout, NoRecordOnePageWithTheHeaderAndTheFooter) {
  MainWindow& w = Open();
  w.today = fw::Date(2025, 1, 2);  // the title's date is the window's, not the day of printing
  const fw::PrintLog& log = Print();
  EXPECT_EQ(dialogs.shown[0].parent, &w);
  EXPECT_EQ(Drawing(log),
            (std::vector<Drawn>{{u"Liste der Aufnahmen, Stand 02.01.25"_s, 60, 69, 1, true},
                                {u"Seite 1"_s, 425, 69, 1, true},
                                {u"Alle Datensätze"_s, 60, 81, 1, true},
                                {kFooter, 60, 120, 1, true}}));
  for (const fw::DrawnLine& l : log.lines)
    EXPECT_EQ(l.style, (fw::TextStyle{u"Arial"_s, 10, true, false}));
  EXPECT_TRUE(log.ended);
}

TEST_F(RecordListPrintout, OneRecordThreeLinesWithTheirCommasAndBlanks) {
  AddNumbered(1);
  Open();
  const fw::PrintLog& log = Print();
  EXPECT_EQ(Drawing(log),
            (std::vector<Drawn>{{kTitle, 60, 69, 1, true},
                                {u"Seite 1"_s, 425, 69, 1, true},
                                {u"Alle Datensätze"_s, 60, 81, 1, true},
                                {u"31.12.2020, P 1"_s, 60, 120, 1, false},
                                {u"Titel 1,   Chor"_s, 60, 132, 1, false},
                                {u"Ort: Köln   (WDR 3, DSD, CD)"_s, 60, 144, 1, false},
                                {kFooter, 60, 168, 1, true}}));
  for (int i = 3; i < 6; ++i) EXPECT_EQ(log.lines[i].wrap, 435);
}

// A block stays on its page while its third line ends within the page:
// the 13th block's top is at 108 + 12 x 48 = 684, its last line at 720.
TEST_F(RecordListPrintout, PageFullAndPageFullPlusOne) {
  const struct {
    int records;
    double height;
    int footerPage;
    double footerY;
  } cases[] = {{13, 756.9, 1, 744},  // the footer fits below the 13th block
               {14, 756.9, 2, 156},  // the 14th block starts page 2 at 96
               {13, 740, 2, 108}};   // no room for the footer: a page of its own
  for (const auto& c : cases) {
    SCOPED_TRACE(c.records);
    logs.clear();
    Exec(u"DELETE FROM Aufnahmen"_s);
    AddNumbered(c.records);
    Open();
    const fw::PrintLog& log = Print(510.2, c.height);
    for (int i = 1; i <= c.records; ++i) {
      const auto first = Find(log, u"Titel %1,   Chor"_s.arg(i));
      ASSERT_TRUE(first) << i;
      const bool page1 = i <= 13;
      EXPECT_EQ(first->page, page1 ? 1 : 2) << i;
      EXPECT_EQ(first->y, page1 ? 132 + 48 * (i - 1) : 120 + 48 * (i - 14)) << i;
    }
    const auto footer = Find(log, kFooter);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->page, c.footerPage);
    EXPECT_EQ(footer->y, c.footerY);
    EXPECT_EQ(log.pages, c.footerPage);
    if (c.footerPage == 2) {
      // Later pages: the title and their number, no sub-title.
      std::vector<Drawn> page2;
      for (const Drawn& d : Drawing(log))
        if (d.page == 2 && d.italic && d.text != kFooter) page2.push_back(d);
      EXPECT_EQ(page2,
                (std::vector<Drawn>{{kTitle, 60, 69, 2, true}, {u"Seite 2"_s, 425, 69, 2, true}}));
    }
    CloseMainWindow();
  }
}

TEST_F(RecordListPrintout, NewestFirstLineEndsAsBackslashesLongLinesCondensed) {
  Recording older;
  older.Datum = u"2019-01-01"_s;
  older.Titel = QString(100, u'x');
  Add(older);
  Recording newer;
  newer.Datum = u"2021-05-06"_s;
  newer.ProdNr = u"P\r\n7"_s;
  newer.Titel = u"Erste\rZweite\nDritte"_s;
  newer.Ort = u"Am\nRhein"_s;
  Add(newer);
  Open();
  const fw::PrintLog& log = Print();
  QStringList records;
  for (const fw::DrawnLine& l : log.lines)
    if (!l.style.italic) records << l.text;
  EXPECT_EQ(records, (QStringList{u"06.05.2021, P\\\\7"_s, u"Erste\\\\Zweite\\\\Dritte,   Chor"_s,
                                  u"Ort: Am\\\\Rhein   (WDR 3, DSD, CD)"_s, u"01.01.2019, P 1"_s,
                                  QString(86, u'x') + u"…"_s, u"Ort: Köln   (WDR 3, DSD, CD)"_s}));
}

TEST_F(RecordListPrintout, TheConditionAfterSqlFilterCondensedToTheLine) {
  AddNumbered(2);
  Open();
  SearchWindow::SharedInstance().filter = u"Titel LIKE '%1'"_s;
  const fw::PrintLog& log = Print();
  ASSERT_TRUE(Find(log, u"SQL filter: Titel LIKE '%1'"_s));
  EXPECT_EQ(Find(log, u"SQL filter: Titel LIKE '%1'"_s)->y, 81);
  EXPECT_TRUE(Find(log, u"Titel 1,   Chor"_s));
  EXPECT_FALSE(Find(log, u"Titel 2,   Chor"_s));

  const QString longCondition = u"Titel <> '"_s + QString(200, u'y') + u"'\nAND Ort <> ''"_s;
  SearchWindow::SharedInstance().filter = longCondition;
  const fw::PrintLog& again = Print();
  const fw::DrawnLine sub = again.lines[2];
  EXPECT_EQ(sub.text, (u"SQL filter: "_s + longCondition).left(86) + u"…"_s);
  EXPECT_LE(sub.width, 435);
}

}  // namespace
