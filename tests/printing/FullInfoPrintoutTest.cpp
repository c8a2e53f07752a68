// The full-information printout of the rows selected in the print
// selection window, on a recording surface of A4 with 15 mm margins
// (510 x 756, Arial 10: line 12, ascent 9): a block takes 18 + 12 x 12 =
// 162 units, and a page holds four.

#include "PrintingFixture.h"

#include "app/App.h"
#include "printing/PrintInfoWindow.h"

using namespace Qt::StringLiterals;
using klangbuch_test::PrintingFixture;
using klangbuch_test::Recording;

namespace {

const QString kFooter = u"Gedruckt mit Klangbuch – klangbuch.example.org"_s;
const QStringList kLabels{u"Titel:"_s,     u"Interpret:"_s, u"System:"_s,   u"Format:"_s,
                          u"Ort:"_s,       u"Redaktion:"_s, u"Technik:"_s,  u"1. Schnitt:"_s,
                          u"Fertig am:"_s, u"Backup:"_s,    u"Bemerkung:"_s};

class FullInfoPrintout : public PrintingFixture {
 protected:
  // Selects the given rows of the refilled list and presses "Drucken".
  fw::PrintLog& Print(PrintInfoWindow& w, std::initializer_list<int> rows) {
    for (int row : rows) w.RecList2().SetSelected(row, true);
    fw::PrintLog& log = AnswerPrintDialog();
    w.PrintInfo().Push();
    return log;
  }

  // The eleven value lines of the block of recording `id`.
  static QStringList Values(const fw::PrintLog& log, int id) {
    QStringList values;
    for (size_t i = 0; i < log.lines.size(); ++i) {
      if (!log.lines[i].text.startsWith(u"Datensatz # %1,"_s.arg(id))) continue;
      for (size_t v = i + 12; v < i + 23 && v < log.lines.size(); ++v) values << log.lines[v].text;
    }
    return values;
  }
};

TEST_F(FullInfoPrintout, OneBlockTheRecordLineElevenLabelsAndTheirValues) {
  Recording r;
  r.Datum = u"2021-05-06"_s;
  r.ProdNr = u"P 7"_s;
  r.Titel = u"Messe"_s;
  r.Schnitt = u"2021-05-07"_s;
  r.Fertig = u"ja"_s;
  r.Backup = u"DVD 3"_s;
  r.BackupDat = u"2021-06-01"_s;
  r.Technik = u"2 Mikrofone"_s;
  r.Bemerkung = u"gut"_s;
  const int id = Add(r);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const fw::PrintLog& log = Print(w, {0});
  EXPECT_EQ(dialogs.shown.back().parent, &w);

  ASSERT_EQ(log.lines.size(), 2u + 1u + 11u + 11u + 1u);
  EXPECT_EQ(log.lines[0].text, u"Vollinfo ausgewählter Aufnahmen, Stand 15.06.26"_s);
  EXPECT_EQ(log.lines[1].text, u"Seite 1"_s);
  for (int i : {0, 1}) {
    EXPECT_EQ(log.lines[i].y, 48);
    EXPECT_EQ(log.lines[i].x, i == 0 ? 60 : 425);
    EXPECT_EQ(log.lines[i].style, (fw::TextStyle{u"Arial"_s, 10, true, false}));
  }
  const fw::DrawnLine& record = log.lines[2];
  EXPECT_EQ(record.text, u"Datensatz # %1,  Aufnahmedatum: 06.05.2021,  Prod.Nr.: P 7"_s.arg(id));
  EXPECT_EQ(record.x, 60);
  EXPECT_EQ(record.y, 72);
  EXPECT_FALSE(record.style.italic);
  const QStringList values{
      u"Messe"_s, u"Chor"_s,        u"DSD"_s,        u"CD"_s, u"Köln"_s,
      u"WDR 3"_s, u"2 Mikrofone"_s, u"07.05.2021"_s, u"ja"_s, u"DVD 3 vom 01.06.2021"_s,
      u"gut"_s};
  for (int n = 0; n < 11; ++n) {
    const fw::DrawnLine& label = log.lines[3 + n];
    const fw::DrawnLine& value = log.lines[14 + n];
    EXPECT_EQ(label.text, kLabels[n]);
    EXPECT_EQ(value.text, values[n]);
    EXPECT_EQ(label.x, 60);
    EXPECT_EQ(value.x, 132);
    EXPECT_EQ(label.y, 90 + 12 * n);
    EXPECT_EQ(value.y, label.y);
    EXPECT_EQ(value.wrap, 363);
  }
  const fw::DrawnLine& footer = log.lines.back();
  EXPECT_EQ(footer.text, kFooter);
  EXPECT_EQ(footer.y, 234);
  EXPECT_EQ(footer.style, (fw::TextStyle{u"Times"_s, 10, true, false}));
  EXPECT_TRUE(log.ended);
}

TEST_F(FullInfoPrintout, FormatBackupAndDateRules) {
  const struct {
    const char* name;
    const char* format;
    bool surr, belegCD;
    const char* backup;
    const char* backupDat;
    const char* fertig;
    const char* formatLine;
    const char* backupLine;
    const char* fertigLine;
  } cases[] = {
      {"CD, surround and voucher", "CD", true, true, "DVD", "", "", "CD, Surround  (BelegCD)",
       "DVD", ""},
      {"CD with voucher", "CD", false, true, "DVD", "ok", "ok", "CD (BelegCD)", "DVD vom ok", "ok"},
      {"voucher only for a CD", "DAT", false, true, "", "2020-01-02", "2020-01-03", "DAT",
       " vom 02.01.2020", "03.01.2020"},
      {"surround only", "DAT", true, false, "Band", "1.2.2020", "1.2.2020", "DAT, Surround ",
       "Band vom 1.2.2020", "1.2.2020"},
  };
  std::vector<int> ids;
  for (const auto& c : cases) {
    Recording r;
    r.Format = QString::fromUtf8(c.format);
    r.Surr = c.surr;
    r.BelegCD = c.belegCD;
    r.Backup = QString::fromUtf8(c.backup);
    r.BackupDat = QString::fromUtf8(c.backupDat);
    r.Fertig = QString::fromUtf8(c.fertig);
    ids.push_back(Add(r));
  }
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const fw::PrintLog& log = Print(w, {0, 1, 2, 3});
  for (size_t i = 0; i < std::size(cases); ++i) {
    const QStringList values = Values(log, ids[i]);
    ASSERT_EQ(values.size(), 11) << cases[i].name;
    EXPECT_EQ(values[3], QString::fromUtf8(cases[i].formatLine)) << cases[i].name;
    EXPECT_EQ(values[8], QString::fromUtf8(cases[i].fertigLine)) << cases[i].name;
    EXPECT_EQ(values[9], QString::fromUtf8(cases[i].backupLine)) << cases[i].name;
  }
}

TEST_F(FullInfoPrintout, LineEndsInEveryValueAndLongValuesCondensed) {
  Recording r;
  r.ProdNr = u"P\n1"_s;
  r.Titel = u"Eins\r\nZwei"_s;
  r.Ort = u"Am\rRhein"_s;
  r.Technik = u"a\nb"_s;
  r.Bemerkung = u"erste\nzweite\ndritte"_s;
  r.Interpret = QString(100, u'i');
  const int id = Add(r);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const fw::PrintLog& log = Print(w, {0});
  EXPECT_TRUE(
      Find(log, u"Datensatz # %1,  Aufnahmedatum: 02.01.2020,  Prod.Nr.: P\\\\1"_s.arg(id)));
  const QStringList values = Values(log, id);
  ASSERT_EQ(values.size(), 11);
  EXPECT_EQ(values[0], u"Eins\\\\Zwei"_s);
  EXPECT_EQ(values[1], QString(71, u'i') + u"…"_s);  // 72 characters of 5 in 363
  EXPECT_EQ(values[4], u"Am\\\\Rhein"_s);
  EXPECT_EQ(values[6], u"a\\\\b"_s);
  EXPECT_EQ(values[10], u"erste\\\\zweite\\\\dritte"_s);
  // The labels and values keep their lines.
  EXPECT_EQ(Find(log, u"Bemerkung:"_s)->y, Find(log, values[10])->y);
}

TEST_F(FullInfoPrintout, FourBlocksAPageTheFifthOnPageTwoUnderItsOwnHeading) {
  AddNumbered(5);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const fw::PrintLog& log = Print(w, {0, 1, 2, 3, 4});
  std::vector<std::pair<int, double>> records;
  for (const fw::DrawnLine& l : log.lines)
    if (l.text.startsWith(u"Datensatz # "_s)) records.emplace_back(l.page, l.y);
  EXPECT_EQ(records,
            (std::vector<std::pair<int, double>>{{1, 72}, {1, 234}, {1, 396}, {1, 558}, {2, 72}}));
  const auto heading = Find(log, u"Detail ausgewählter Aufnahmen, Stand 15.06.26"_s);
  ASSERT_TRUE(heading);
  EXPECT_EQ(heading->page, 2);
  EXPECT_EQ(heading->y, 48);
  EXPECT_EQ(Find(log, u"Seite 2"_s)->page, 2);
  EXPECT_EQ(Find(log, kFooter)->page, 2);
  EXPECT_EQ(Find(log, kFooter)->y, 234);

  // Four blocks: the footer still fits on page 1, at 720.
  logs.clear();
  w.RecList2().SetListIndex(-1);
  const fw::PrintLog& four = Print(w, {0, 1, 2, 3});
  EXPECT_EQ(four.pages, 1);
  EXPECT_EQ(Find(four, kFooter)->y, 720);
}

TEST_F(FullInfoPrintout, BlocksInTheListsOrderNotTheOrderOfSelectionOrId) {
  const auto add = [this](const QString& datum, const QString& titel) {
    Recording r;
    r.Datum = datum;
    r.Titel = titel;
    return Add(r);
  };
  const int a = add(u"2020-01-01"_s, u"B"_s);
  const int b = add(u"2021-01-01"_s, u"A"_s);
  const int c = add(u"2019-01-01"_s, u"C"_s);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  w.RecList2().SetSortedColumn(2);  // by title: A, B, C
  w.RecList2().SetColumnSortDirection(2, 1);
  w.RecList2().Sort();
  const fw::PrintLog& log = Print(w, {2, 0, 1});
  QStringList order;
  for (const fw::DrawnLine& l : log.lines)
    if (l.text.startsWith(u"Datensatz # "_s)) order << l.text.section(u',', 0, 0);
  EXPECT_EQ(order, (QStringList{u"Datensatz # %1"_s.arg(b), u"Datensatz # %1"_s.arg(a),
                                u"Datensatz # %1"_s.arg(c)}));
}

// "Drucken..." with no row selected: the dialog still comes, and the job is
// the first page alone, its heading, its number and the credit; cancelled,
// nothing is printed.
TEST_F(FullInfoPrintout, NothingSelectedStillAsksAndPrintsThePageHeadingAndTheCredit) {
  AddNumbered(3);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  ASSERT_EQ(w.RecList2().ListIndex(), -1);

  const fw::PrintLog& log = AnswerPrintDialog();
  EXPECT_TRUE(w.FilePrint_Action());
  ASSERT_EQ(PrintDialogs(), 1);
  EXPECT_EQ(dialogs.shown.back().parent, &w);
  EXPECT_EQ(log.pages, 1);
  EXPECT_TRUE(log.ended);
  ASSERT_EQ(log.lines.size(), 3u);
  EXPECT_EQ(log.lines[0].text, u"Vollinfo ausgewählter Aufnahmen, Stand 15.06.26"_s);
  EXPECT_EQ(log.lines[1].text, u"Seite 1"_s);
  EXPECT_EQ(log.lines[2].text, kFooter);
  EXPECT_EQ(log.lines[2].y, 72);  // where the first block would have begun
  EXPECT_EQ(log.lines[2].style, (fw::TextStyle{u"Times"_s, 10, true, false}));
  for (const fw::DrawnLine& l : log.lines) EXPECT_EQ(l.page, 1);

  w.PrintInfo().Push();  // the dialog cancelled
  EXPECT_EQ(PrintDialogs(), 2);
  EXPECT_EQ(logs.size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts().empty());
}

TEST_F(FullInfoPrintout, CancelADeletedRecordAndADatabaseError) {
  AddNumbered(3);
  Open();
  PrintInfoWindow& w = OpenPrintInfo();

  // Cancelled: nothing printed, nothing said.
  w.RecList2().SetSelected(0, true);
  w.PrintInfo().Push();
  EXPECT_EQ(PrintDialogs(), 1);
  EXPECT_TRUE(dialogs.MsgBoxTexts().empty());

  // A recording deleted since the list was filled is skipped.
  const int deleted = fw::Val(w.RecList2().Cell(1, 0));
  Exec(u"DELETE FROM Aufnahmen WHERE ID = %1"_s.arg(deleted));
  const fw::PrintLog& skipped = Print(w, {1, 2});
  int blocks = 0;
  for (const fw::DrawnLine& l : skipped.lines) blocks += l.text.startsWith(u"Datensatz # "_s);
  EXPECT_EQ(blocks, 2);
  EXPECT_FALSE(
      Find(skipped, u"Datensatz # %1,  Aufnahmedatum: 30.12.2020,  Prod.Nr.: P 1"_s.arg(deleted)));
  EXPECT_TRUE(dialogs.MsgBoxTexts().empty());

  // A database error: its message, the heading drawn so far, no footer.
  Exec(u"ALTER TABLE Aufnahmen RENAME TO Weg"_s);
  const fw::PrintLog& failed = Print(w, {});
  ASSERT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].startsWith(u"Database Error: "_s));
  EXPECT_EQ(failed.lines.size(), 2u);
  EXPECT_FALSE(Find(failed, kFooter));
}

}  // namespace
