#pragma once
// The record form's tests start from three recordings with every column
// filled the way the form stores them, and reach the form the way the user
// does: selecting list rows, typing into fields, leaving date fields and
// pushing buttons, all through the window's bound events.

#include "mainwindow/MainWindowFixture.h"

#include "framework/Database.h"

#include <QStringList>

#include <memory>
#include <ostream>
#include <vector>

namespace klangbuch_test {

// SELECT * of one stored row, in table order (ID last).
struct StoredRow {
  int id;
  QStringList values;  // the 16 columns before ID, booleans as 1/0
};

inline const std::vector<StoredRow> kStoredRows = {
    {3,
     {"2012-03-05", "P-1", "Erster Titel", "WDR 3", "CD", "Anna", "Köln", "04.03.12", "ja", "HD 1",
      "ok", "1", "Bem. 1", "Radar", "0", "Stereo"}},
    {5,
     {"2011-12-24", "P-2", "Zweiter", "NDR", "AMS", "Bert", "Hamburg", "", "", "", "", "0", "",
      "Sonic", "1", ""}},
    {7,
     {"2013-01-15", "P-3", "Dritter", "BR", "DAT", "Cem", "München", "15.01.2013", "05.02.2013",
      "Band", "06.02.2013", "0", "", "Sequoia", "0", "5.1"}},
};

// What makes a write fail.
enum class Obstacle {
  kTrigger,    // a trigger aborts the statement
  kWriteLock,  // another connection keeps every writer out
  kCommit,     // another connection reads, so a transaction cannot commit
};
inline void PrintTo(Obstacle o, std::ostream* os) {
  const char* const names[] = {"trigger", "write lock", "commit"};
  *os << names[static_cast<int>(o)];
}

class RecordFormFixture : public MainWindowFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    for (const StoredRow& r : kStoredRows) {
      QString sql = QStringLiteral("INSERT INTO Aufnahmen VALUES (");
      for (const QString& v : r.values) sql += Quoted(v) + QLatin1Char(',');
      sql += QString::number(r.id) + QLatin1Char(')');
      db.SQLExecute(sql);
      ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    }
  }

  static QString Quoted(const QString& v) {
    if (v == QLatin1String("0") || v == QLatin1String("1")) return v;
    return QLatin1Char('\'') + QString(v).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
  }

  // The window, opened, with a short busy timeout so lock tests stay quick,
  // and with no dialog recorded yet.
  MainWindow& Open() {
    MainWindow& w = OpenMainWindow();
    App::SharedInstance().KlangDB->SetBusyTimeout(100);
    dialogs.Clear();
    return w;
  }

  // The whole table, every row in ID order, booleans as numbers.
  std::vector<QStringList> Table() {
    return Rows(QStringLiteral(
        "SELECT Datum, ProdNr, Titel, Redaktion, Format, Interpret, Ort, Schnitt, Fertig, "
        "Backup, BackupDat, BelegCD + 0, Bemerkung, System, Surr + 0, Technik, ID "
        "FROM Aufnahmen ORDER BY ID"));
  }
  QStringList Row(int id) {
    for (const QStringList& row : Table())
      if (row.last() == QString::number(id)) return row;
    return {};
  }
  static QStringList Expected(const StoredRow& r) {
    return QStringList(r.values) << QString::number(r.id);
  }
  int Count() { return static_cast<int>(Table().size()); }

  // Selects the list row of the recording `id` (which loads it).
  static void Select(MainWindow& w, int id) {
    for (fw::Integer r = 0; r < w.RecList().ListCount(); ++r) {
      if (w.RecList().Cell(r, 0) == QString::number(id)) {
        w.RecList().SetListIndex(r);
        return;
      }
    }
    ADD_FAILURE() << "no list row for ID " << id;
  }

  // Types `text` into a field and moves on, as the Tab key would.
  static void Type(fw::TextField& field, const QString& text) {
    field.SetText(text);
    ASSERT_TRUE(field.LostFocus) << field.Name().toStdString() << " has no LostFocus binding";
    field.LostFocus();
  }

  // A complete new record in the form, ready to be saved.
  static void FillNew(MainWindow& w) {
    w.NewBtn().Push();
    w.ProdNummer().SetText(QStringLiteral("N-1"));
    w.AufnTitel().SetText(QStringLiteral("Neu"));
    w.AufnInterpret().SetText(QStringLiteral("Ilse"));
    w.AufnRed().SetText(QStringLiteral("SWR"));
    w.AufnOrt().SetText(QStringLiteral("Mainz"));
  }

  // The database error messages shown so far.
  int DatabaseErrors() const {
    int n = 0;
    for (const QString& text : dialogs.MsgBoxTexts())
      if (text.startsWith(QLatin1String("Database Error: "))) ++n;
    return n;
  }
  std::vector<fw::ShownDialog> MessageDialogs() const {
    std::vector<fw::ShownDialog> found;
    for (const fw::ShownDialog& d : dialogs.shown)
      if (d.kind == fw::ShownDialog::kMessageDialog) found.push_back(d);
    return found;
  }

  // No transaction may be left open on the program's connection: a new one
  // can only begin when none is.
  static void ExpectNoOpenTransaction() {
    fw::SQLiteDatabase& db = *App::SharedInstance().KlangDB;
    db.SQLExecute(QStringLiteral("begin transaction"));
    EXPECT_FALSE(db.Error()) << "a transaction was left open: " << db.ErrorMessage().toStdString();
    db.Rollback();
  }

  // A trigger that makes every `event` ("INSERT", "UPDATE", "DELETE") on
  // the table fail.
  void Block(const char* event) {
    Exec(QStringLiteral("CREATE TRIGGER blocker BEFORE %1 ON Aufnahmen "
                        "BEGIN SELECT RAISE(ABORT, 'blocked'); END")
             .arg(QLatin1String(event)));
  }
  void Unblock() { Exec(QStringLiteral("DROP TRIGGER blocker")); }

  // Puts the obstacle in the way of `event` ("INSERT", "UPDATE", "DELETE")
  // until Remove.
  void Raise(Obstacle o, const char* event) {
    if (o == Obstacle::kTrigger) {
      Block(event);
    } else {
      other_ = Lock(o == Obstacle::kCommit);
    }
  }
  void Remove(Obstacle o) {
    if (o == Obstacle::kTrigger) Unblock();
    other_.reset();
  }

  // A second connection that holds a lock on the file until it is released:
  // "begin immediate" keeps every other writer out; a read inside "begin"
  // lets others write but not commit.
  std::unique_ptr<fw::SQLiteDatabase> Lock(bool readOnly) {
    auto other = std::make_unique<fw::SQLiteDatabase>();
    other->DatabaseFile = fw::FolderItem(DatabasePath());
    EXPECT_TRUE(other->Connect());
    if (readOnly) {
      other->SQLExecute(QStringLiteral("begin"));
      EXPECT_TRUE(other->SQLSelect(QStringLiteral("SELECT count(*) FROM Aufnahmen")));
    } else {
      other->SQLExecute(QStringLiteral("begin immediate"));
    }
    EXPECT_FALSE(other->Error()) << other->ErrorMessage().toStdString();
    return other;
  }

 private:
  std::unique_ptr<fw::SQLiteDatabase> other_;
};

}  // namespace klangbuch_test
