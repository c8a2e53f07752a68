#pragma once
// What the printing tests start from: the program fixture, recordings
// added one by one with every column, the main window opened, and print
// dialogs answered with a recording surface.

#include "support/KlangbuchFixture.h"

#include "printing/PrintInfoWindow.h"

#include "framework/Printing.h"
#include "framework/testsupport/RecordingSurface.h"
#include "search/SearchWindow.h"

#include <QEvent>
#include <QWidget>
#include <QCoreApplication>

#include <deque>
#include <optional>

namespace klangbuch_test {

struct Recording {
  QString Datum = QStringLiteral("2020-01-02");
  QString ProdNr = QStringLiteral("P 1");
  QString Titel = QStringLiteral("Titel");
  QString Redaktion = QStringLiteral("WDR 3");
  QString Format = QStringLiteral("CD");
  QString Interpret = QStringLiteral("Chor");
  QString Ort = QStringLiteral("Köln");
  QString Schnitt, Fertig, Backup, BackupDat;
  bool BelegCD = false;
  QString Bemerkung;
  QString System = QStringLiteral("DSD");
  bool Surr = false;
  QString Technik;
};

class PrintingFixture : public KlangbuchFixture {
 protected:
  void SetUp() override {
    KlangbuchFixture::SetUp();
    SearchWindow::SharedInstance().filter.clear();
  }
  void TearDown() override {
    SearchWindow::SharedInstance().filter.clear();
    KlangbuchFixture::TearDown();
  }

  // Stores `r`; returns its ID.
  int Add(const Recording& r) {
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(DatabasePath());
    EXPECT_TRUE(db.Connect());
    fw::DatabaseRecord rec;
    const std::pair<const char*, const QString*> texts[] = {{"Datum", &r.Datum},
                                                            {"ProdNr", &r.ProdNr},
                                                            {"Titel", &r.Titel},
                                                            {"Redaktion", &r.Redaktion},
                                                            {"Format", &r.Format},
                                                            {"Interpret", &r.Interpret},
                                                            {"Ort", &r.Ort},
                                                            {"Schnitt", &r.Schnitt},
                                                            {"Fertig", &r.Fertig},
                                                            {"Backup", &r.Backup},
                                                            {"BackupDat", &r.BackupDat},
                                                            {"Bemerkung", &r.Bemerkung},
                                                            {"System", &r.System},
                                                            {"Technik", &r.Technik}};
    for (const auto& [name, value] : texts) rec.Column(QString::fromLatin1(name), *value);
    rec.BooleanColumn(QStringLiteral("BelegCD"), r.BelegCD);
    rec.BooleanColumn(QStringLiteral("Surr"), r.Surr);
    db.InsertRecord(QStringLiteral("Aufnahmen"), rec);
    EXPECT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    std::unique_ptr<fw::RecordSet> rs =
        db.SQLSelect(QStringLiteral("SELECT max(ID) FROM Aufnahmen"));
    const int id = rs ? fw::Val(rs->IdxField(1).StringValue()) : 0;
    db.Close();
    return id;
  }

  // `n` recordings, the first the newest: dates one day apart backwards
  // from 2020-12-31, titles "Titel 1" to "Titel n".
  void AddNumbered(int n) {
    QStringList rows;
    for (int i = 1; i <= n; ++i) {
      rows << QStringLiteral(
                  "('%1', 'P 1', 'Titel %2', 'WDR 3', 'CD', 'Chor', 'Köln', 'DSD', 0, 0)")
                  .arg(QDate(2020, 12, 31).addDays(1 - i).toString(Qt::ISODate))
                  .arg(i);
    }
    if (n > 0) {
      Exec(QStringLiteral("INSERT INTO Aufnahmen (Datum, ProdNr, Titel, Redaktion, Format, "
                          "Interpret, Ort, System, BelegCD, Surr) VALUES ") +
           rows.join(u','));
    }
  }

  // The main window, opened on the fixture's today (15.06.2026), with no
  // dialog shown yet.
  MainWindow& Open() {
    MainWindow& mw = OpenMainWindow();
    dialogs.Clear();
    return mw;
  }

  // The next print dialog is confirmed onto a recording surface of that
  // printable size (A4 with 15 mm margins unless given).
  fw::PrintLog& AnswerPrintDialog(double width = 510.2, double height = 756.9) {
    fw::PrintLog& log = logs.emplace_back();
    dialogs.AnswerNextPrintDialogWith(std::make_unique<fw::RecordingSurface>(log, width, height));
    return log;
  }

  int PrintDialogs() const {
    int n = 0;
    for (const fw::ShownDialog& d : dialogs.shown) n += d.kind == fw::ShownDialog::kPrint;
    return n;
  }

  // The first line drawn with that text, or nothing.
  static std::optional<fw::DrawnLine> Find(const fw::PrintLog& log, const QString& text) {
    for (const fw::DrawnLine& l : log.lines)
      if (l.text == text) return l;
    return std::nullopt;
  }

  // The window system activates `w`: Event_Activate, then a menu update.
  static void Activate(fw::Window& w) {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w.widget(), &activate);
    QCoreApplication::processEvents();
  }

  // The print selection window, shown from the main window's menu and
  // activated.
  PrintInfoWindow& OpenPrintInfo() {
    EXPECT_TRUE(MainWindow::SharedInstance().FilePrintInfo_Action());
    PrintInfoWindow& w = PrintInfoWindow::SharedInstance();
    Activate(w);
    return w;
  }

  std::deque<fw::PrintLog> logs;
};

}  // namespace klangbuch_test
