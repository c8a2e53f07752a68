// "recordings.rsd" deleted or replaced behind the running program's back:
// the next save shows the database error message, keeps what was typed,
// and writes nothing into whatever now lies at the file's place. The
// engine notices that its file is no longer the one at that name and
// refuses to write.

#include "faults/Faults.h"
#include "mainwindow/RecordFormFixture.h"

#include <QDir>
#include <QFile>

namespace klangbuch_test {
namespace {

const QString kTyped = QStringLiteral("Geändert");

struct Change {
  const char* name;
  bool replaced;  // another catalogue moved to the file's place, else deleted
};
void PrintTo(const Change& c, std::ostream* os) { *os << c.name; }

class DatabaseFileGone : public RecordFormFixture, public ::testing::WithParamInterface<Change> {
 protected:
  // Another catalogue with one recording, moved over the program's file.
  void ReplaceFile() {
    const QString other = programDir.filePath(QStringLiteral("other.rsd"));
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(other);
    ASSERT_TRUE(db.CreateDatabaseFile());
    db.SQLExecute(App::CreateTableStatement());
    db.SQLExecute(QStringLiteral("INSERT INTO Aufnahmen (Titel, ID) VALUES ('Andere', 5)"));
    ASSERT_FALSE(db.Error());
    db.Close();
    ASSERT_EQ(std::rename(QFile::encodeName(other).constData(),
                          QFile::encodeName(DatabasePath()).constData()),
              0);
  }
  QByteArray FileBytes() {
    QFile f(DatabasePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_P(DatabaseFileGone, TheSaveShowsTheMessageAndWritesNothingThere) {
  const Change& c = GetParam();
  MainWindow& w = Open();
  // What was committed before is in the file, and stays there when it is
  // replaced by a copy.
  Select(w, 3);
  w.AufnTitel().SetText(QStringLiteral("Vorher"));
  w.UpdateBtn().Push();
  ASSERT_TRUE(dialogs.shown.empty());
  ASSERT_EQ(Row(3)[2], "Vorher");

  if (c.replaced) {
    ReplaceFile();
  } else {
    ASSERT_TRUE(QFile::remove(DatabasePath()));
  }
  const QByteArray there = FileBytes();
  Select(w, 5);
  w.AufnTitel().SetText(kTyped);
  w.UpdateBtn().Push();

  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>{kReadOnlyDatabaseMessage});
  EXPECT_EQ(w.AufnTitel().Text(), kTyped);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
  EXPECT_EQ(FileBytes(), there);
  EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files),
            c.replaced ? QStringList{QStringLiteral("recordings.rsd")} : QStringList{});
  if (c.replaced) {
    EXPECT_EQ(Rows(QStringLiteral("SELECT Titel, ID FROM Aufnahmen")),
              (std::vector<QStringList>{{"Andere", "5"}}));
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, DatabaseFileGone,
                         ::testing::Values(Change{"Deleted", false},
                                           Change{"ReplacedByAnotherCatalogue", true}));

}  // namespace
}  // namespace klangbuch_test
