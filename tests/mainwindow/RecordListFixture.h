#pragma once
// The record list's tests start from six recordings whose IDs, dates and
// texts each sort differently: ID as a number (not "10" before "9"), dates
// across the century window, titles with umlauts, production numbers as text.

#include "support/KlangbuchFixture.h"

#include "framework/Listbox.h"
#include "search/SearchWindow.h"

#include <vector>

namespace klangbuch_test {

struct ListRow {
  int id;
  const char* datum;  // nullptr: NULL
  const char* titel;
  const char* interpret;
  const char* redaktion;
  const char* prodnr;
  const char* ort;
};

// In the order of their IDs, which is the order the query returns them in.
inline const std::vector<ListRow> kListRows = {
    {1, "2026-03-05", "Zebra", "Die Ärzte", "WDR 3", "P 10", "Köln"},
    {2, "1999-12-31", "Ärzte", "Chor", "NDR", "P 9", "Hamburg"},
    {9, "2000-01-01", "Mozart", "Quartett", "BR", "P 1", "München"},
    {10, "1927-01-01", "Bach", "Orgel", "SWR", "P 100", "Stuttgart"},
    {11, "", "Öl", nullptr, nullptr, "", nullptr},
    {100, "2026-12-31", "Chor", "Ensemble", "HR", "Q 2", "Frankfurt"},
};

inline const char* const kListQuery =
    "SELECT ID, Datum, Titel, Interpret, Redaktion, ProdNr, Ort FROM Aufnahmen";

class RecordListFixture : public KlangbuchFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    for (const ListRow& r : kListRows) {
      fw::DatabaseRecord rec;
      rec.Column(QStringLiteral("ID"), QString::number(r.id));
      const std::pair<const char*, const char*> columns[] = {
          {"Datum", r.datum},         {"Titel", r.titel},   {"Interpret", r.interpret},
          {"Redaktion", r.redaktion}, {"ProdNr", r.prodnr}, {"Ort", r.ort}};
      for (const auto& [name, value] : columns) {
        if (value) rec.Column(QString::fromLatin1(name), QString::fromUtf8(value));
      }
      db.InsertRecord(QStringLiteral("Aufnahmen"), rec);
      ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    }
  }

  // The main window, opened, with the list reloaded for the year 2026.
  MainWindow& Open() {
    MainWindow& mw = OpenMainWindow();
    mw.today = fw::Date(2026, 12, 10);
    mw.UpdateRecList();
    dialogs.Clear();
    return mw;
  }

  static std::vector<int> Ids(const fw::Listbox& list) {
    std::vector<int> ids;
    for (fw::Integer r = 0; r < list.ListCount(); ++r) ids.push_back(fw::Val(list.Cell(r, 0)));
    return ids;
  }

  // Every ID in the order of the query.
  static std::vector<int> QueryOrder() {
    std::vector<int> ids;
    for (const ListRow& r : kListRows) ids.push_back(r.id);
    return ids;
  }
};

}  // namespace klangbuch_test
