// An import whose file cannot be read to its end (a failing disk, a network
// folder that drops, a stick pulled out): its own message, no row of the
// file, and the same file imported whole once it reads again.

#include "exchange/ExchangeFixture.h"

#include "framework/testsupport/FailingReads.h"

namespace klangbuch_test {
namespace {

// Two recordings, the second with a Technik of its own at the very end.
const QByteArray kFile = "2008-12-24\tP1\teins" + QByteArray(13, '\t') + "\n" +
                         "2008-12-25\tP2\tzwei" + QByteArray(12, '\t') + "\tzwei Mikrofone\n";

struct Cut {
  const char* name;
  qint64 readable;  // bytes of kFile read before the failure
  int line;         // the line the message names
};
void PrintTo(const Cut& c, std::ostream* os) { *os << c.name; }

class ImportReadError : public ExchangeFixture, public ::testing::WithParamInterface<Cut> {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    db.SQLExecute("INSERT INTO Aufnahmen (Datum, Titel) VALUES ('2001-01-01', 'alt')");
  }
};

TEST_P(ImportReadError, IsToldAndStoresNothingOfTheFile) {
  MainWindow& w = OpenMainWindow();
  const fw::FolderItem file = FileWith(kFile);
  {
    const fw::FailingReads failing(file.NativePath(), GetParam().readable);
    Import(file);
  }
  EXPECT_EQ(dialogs.MsgBoxTexts(),
            std::vector<QString>{QStringLiteral("Es konnten keine Daten importiert werden\n"
                                                "Fehler in Zeile: %1\n"
                                                "Die Datei konnte nicht zu Ende gelesen werden.")
                                     .arg(GetParam().line)});
  EXPECT_EQ(Rows("SELECT Titel FROM Aufnahmen"), std::vector<QStringList>{{"alt"}});
  EXPECT_EQ(w.RecList().ListCount(), 1);

  dialogs.Clear();
  Import(file);
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>());
  EXPECT_EQ(Rows("SELECT Titel, Technik FROM Aufnahmen ORDER BY ID"),
            (std::vector<QStringList>{{"alt", ""}, {"eins", ""}, {"zwei", "zwei Mikrofone"}}));
  EXPECT_EQ(w.RecList().ListCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cuts, ImportReadError,
                         ::testing::Values(Cut{"AtALineEnd", kFile.indexOf('\n') + 1, 2},
                                           Cut{"InsideTheLastField", kFile.size() - 6, 2}),
                         [](const ::testing::TestParamInfo<Cut>& info) { return info.param.name; });

}  // namespace
}  // namespace klangbuch_test
