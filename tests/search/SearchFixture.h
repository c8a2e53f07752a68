#pragma once
// What the search window's tests start from: the program fixture with six
// recordings chosen so that every kind of term keeps a different set, the
// main window open, and helpers that set the search window's controls the
// way a user leaves them.

#include "support/KlangbuchFixture.h"

#include "framework/Listbox.h"
#include "search/SearchWindow.h"

#include <algorithm>
#include <vector>

// The window's private labels, for the checks that need them.
class SearchWindowTestAccess {
 public:
  static fw::Label& Label2(SearchWindow& w) { return w.Label2(); }
  static fw::Label& Label3(SearchWindow& w) { return w.Label3(); }
  static fw::Label& Label4(SearchWindow& w) { return w.Label4(); }
  static fw::Label& DateOperator(SearchWindow& w) { return w.DateOperator(); }
};

namespace klangbuch_test {

class SearchFixture : public KlangbuchFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    // Schnitt, Fertig and BackupDat hold what the form stored: SQL dates,
    // a date as typed, "ja", "ok" or nothing.
    db.SQLExecute(QStringLiteral(
        "INSERT INTO Aufnahmen (ID, Datum, ProdNr, Titel, Redaktion, Format, Interpret, Ort, "
        "Schnitt, Fertig, Backup, BackupDat, BelegCD, Surr) VALUES "
        "(1, '2009-12-01', 'ab''12', 'Nacht und Träume', 'WDR', 'CD', 'NDR Chor', 'Studio 1', "
        "'2012-06-15', '2011-02-28', 'HD 1', '', 0, 1), "
        "(2, '2010-01-01', 'AB12', 'Weihnachtsoratorium', 'NDR', 'DAT', 'Knabenchor', 'Kirche', "
        "'', '', '', '2010-05-01', 0, 0), "
        "(3, '2011-03-01', 'P_1', 'NACHT', 'wdr', 'CD', 'Müller', 'studio 2', "
        "'2012-06-16', 'ja', 'HD 2', '', 0, 1), "
        "(4, '2012-06-15', 'P 100%', 'Ärger im Bau', 'BR', 'cd', 'Muller', 'Köln', "
        "'15.06.2012', 'ok', 'Band', 'ja', 1, 0), "
        "(5, '2015-05-05', 'PX1', 'Stille', 'HR', 'AMS', 'O''Neil', 'Hamburg', "
        "'', '2010-01-01', '', '', 0, 1), "
        "(6, '', '', 'Ohne Datum', '', 'CD', 'Chor', 'Studio', '', '', '', '', 0, 1)"));
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
  }

  // The main window open (its first list fill made the search window,
  // hidden) and the search window.
  SearchWindow& Open() {
    main = &OpenMainWindow();
    dialogs.Clear();
    return SearchWindow::SharedInstance();
  }

  // The IDs the main window's list shows, in ascending order.
  std::vector<int> ListedIds() const {
    const fw::Listbox& list = main->RecList();
    std::vector<int> ids;
    for (fw::Integer r = 0; r < list.ListCount(); ++r) ids.push_back(fw::Val(list.Cell(r, 0)));
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  static void Choose(fw::PopupMenu& popup, const QString& entry) {
    for (fw::Integer i = 0; i < popup.ListCount(); ++i) {
      if (popup.List(i) == entry) {
        popup.SetListIndex(i);
        return;
      }
    }
    ADD_FAILURE() << "no entry " << entry.toStdString();
  }

 public:
  // The search window as a user leaves it.
  struct Controls {
    const char* text = "";
    const char* by = "Titel";
    const char* option = "enthält";
    const char* date = "";
    const char* dateType = "Datum";
    const char* op = ">";
    bool surr = false, cd = false, unfinished = false;
  };

  // The criteria of the controls left so.
  static SearchCriteria CriteriaOf(const Controls& c) {
    return {.text = QString::fromUtf8(c.text),
            .textColumn = QString::fromUtf8(c.by),
            .match = QString::fromUtf8(c.option),
            .date = QString::fromUtf8(c.date),
            .dateColumn = QString::fromUtf8(c.dateType),
            .dateOperator = QString::fromUtf8(c.op),
            .surr = c.surr,
            .cd = c.cd,
            .unfinished = c.unfinished};
  }

  static void Set(SearchWindow& w, const Controls& c) {
    w.SearchFor().SetText(QString::fromUtf8(c.text));
    Choose(w.SearchBy(), QString::fromUtf8(c.by));
    Choose(w.SearchOption(), QString::fromUtf8(c.option));
    w.SearchByDate().SetText(QString::fromUtf8(c.date));
    Choose(w.SearchDateType(), QString::fromUtf8(c.dateType));
    SearchWindowTestAccess::DateOperator(w).SetText(QString::fromUtf8(c.op));
    w.SearchSurr().SetValue(c.surr);
    w.SearchCD().SetValue(c.cd);
    w.SearchUnfinished().SetValue(c.unfinished);
  }

 protected:
  MainWindow* main = nullptr;
};

}  // namespace klangbuch_test
