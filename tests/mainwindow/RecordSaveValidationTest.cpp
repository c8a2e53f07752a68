// The save refuses incomplete forms and unrecognised dates, with the exact
// message texts, and writes nothing then.

#include "mainwindow/RecordFormFixture.h"

#include "app/RecordColumns.h"

#include <algorithm>
#include <optional>

namespace klangbuch_test {
namespace {

using fw::EndOfLine;

const QString kHeadline = QStringLiteral("Unvollständige Eingabe");
const QString kMissing = QStringLiteral("Bittte füllen Sie mind. die folgenden Felder aus: ");
// Functions, not constants: EndOfLine may not be initialised yet when this
// file's constants are.
QString DateHint(const char* prefix) {
  return QLatin1String(prefix) + QStringLiteral("Datum wurde nicht erkannt") + EndOfLine +
         QStringLiteral("Bitte verwenden Sie TT.MM.YY") + EndOfLine +
         QStringLiteral("(Das Jahr darf auch 4-stellig sein)");
}

class RecordSaveValidationTest : public RecordFormFixture {
 protected:
  // Pushes the save button; returns the validation dialog's explanation, or
  // nothing when the save went through without one.
  std::optional<QString> Save(MainWindow& w) {
    dialogs.Clear();
    w.UpdateBtn().Push();
    const std::vector<fw::ShownDialog> shown = MessageDialogs();
    if (shown.empty()) return std::nullopt;
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, kHeadline);
    EXPECT_EQ(shown[0].buttons, std::vector<QString>{QStringLiteral("OK")});
    return shown[0].explanation;
  }
};

struct MissingCase {
  std::vector<const char*> empty;  // fields left empty
  QString lines;                   // what the message lists
};
void PrintTo(const MissingCase& c, std::ostream* os) {
  for (const char* name : c.empty) *os << name << ' ';
}

class MissingFieldsTest : public RecordSaveValidationTest,
                          public ::testing::WithParamInterface<MissingCase> {};

fw::TextField& FieldNamed(MainWindow& w, const char* name) {
  return w.Ctl<fw::TextField>(QString::fromLatin1(name));
}

TEST_P(MissingFieldsTest, ListsEveryEmptyRequiredFieldInOrderAndSavesNothing) {
  MainWindow& w = Open();
  FillNew(w);
  for (const char* name : GetParam().empty) FieldNamed(w, name).SetText(QString());
  const int before = Count();

  EXPECT_EQ(Save(w), kMissing + GetParam().lines);
  EXPECT_EQ(Count(), before);
  // The form stays as typed, still a new record.
  EXPECT_EQ(w.RecGroupBox().Caption(), " ");
  EXPECT_EQ(w.AufnDatum().Text(), w.today.AbbreviatedDate());
}

QString Line(const char* name) {
  return EndOfLine + QStringLiteral("     - ") + QLatin1String(name);
}

INSTANTIATE_TEST_SUITE_P(Fields, MissingFieldsTest,
                         ::testing::Values(MissingCase{{"ProdNummer"}, Line("ProdNr")},
                                           MissingCase{{"AufnTitel"}, Line("Titel")},
                                           MissingCase{{"AufnInterpret"}, Line("Interpret")},
                                           MissingCase{{"AufnRed"}, Line("Redaktion")},
                                           MissingCase{{"AufnOrt"}, Line("Ort")},
                                           MissingCase{
                                               {"AufnOrt", "ProdNummer", "AufnTitel"},
                                               Line("ProdNr") + Line("Titel") + Line("Ort")}));

TEST_F(RecordSaveValidationTest, ABlankFillsARequiredFieldAndOtherFieldsAreOptional) {
  MainWindow& w = Open();
  FillNew(w);
  w.AufnInterpret().SetText(QStringLiteral(" "));
  EXPECT_EQ(Save(w), std::nullopt);
  EXPECT_EQ(Count(), 4);
}

// How the recording date is read.
struct DatumCase {
  const char* typed;
  const char* stored;  // nullptr: refused
};
void PrintTo(const DatumCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class DatumTest : public RecordSaveValidationTest,
                  public ::testing::WithParamInterface<DatumCase> {};

TEST_P(DatumTest, StoresTheRecognisedDateInTheStoredFormOrRefuses) {
  MainWindow& w = Open();
  w.KeepSel().SetValue(false);
  FillNew(w);
  w.AufnTitel().SetText(QString());  // an unread date hides the missing fields
  w.AufnDatum().SetText(QString::fromUtf8(GetParam().typed));
  if (!GetParam().stored) {
    EXPECT_EQ(Save(w), DateHint("Das Aufn."));
    EXPECT_EQ(Count(), 3);
    return;
  }
  w.AufnTitel().SetText(QStringLiteral("Neu"));
  EXPECT_EQ(Save(w), std::nullopt);
  EXPECT_EQ(Row(8).value(0), QString::fromLatin1(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Texts, DatumTest,
                         ::testing::Values(DatumCase{"05.03.2012", "2012-03-05"},
                                           DatumCase{"5.3.2012", "2012-03-05"},
                                           DatumCase{"05.03.12", "2012-03-05"},
                                           DatumCase{"", nullptr}, DatumCase{"ja", nullptr},
                                           DatumCase{"31.02.2012", nullptr}));

// The three other date fields are checked as they lose the focus, and keep
// what was typed.
struct SecondaryDateCase {
  const char* field;
  const char* column;
  const char* typed;
  bool accepted;
};
void PrintTo(const SecondaryDateCase& c, std::ostream* os) {
  *os << c.field << " \"" << c.typed << '"';
}

class SecondaryDateTest : public RecordSaveValidationTest,
                          public ::testing::WithParamInterface<SecondaryDateCase> {};

TEST_P(SecondaryDateTest, ARejectedTextStopsOneSaveAndAnyTextIsStoredAsTyped) {
  const SecondaryDateCase& c = GetParam();
  MainWindow& w = Open();
  FillNew(w);
  Type(FieldNamed(w, c.field), QString::fromUtf8(c.typed));

  if (!c.accepted) {
    EXPECT_EQ(Save(w), DateHint("Ein "));
    EXPECT_EQ(Count(), 3);
  }
  // The message has cleared the mark: the next press goes through.
  EXPECT_EQ(Save(w), std::nullopt);
  const auto& columns = RecordColumns();
  const int column = static_cast<int>(
      std::find_if(columns.begin(), columns.end(),
                   [&c](const RecordColumn& r) { return r.name == QString::fromUtf8(c.column); }) -
      columns.begin());
  EXPECT_EQ(Row(8).value(column), QString::fromUtf8(c.typed));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SecondaryDateTest,
    ::testing::Values(SecondaryDateCase{"AufnSchnitt", "Schnitt", "05.03.12", true},
                      SecondaryDateCase{"AufnSchnitt", "Schnitt", "5.3.2012", true},
                      SecondaryDateCase{"AufnSchnitt", "Schnitt", "ja", false},
                      SecondaryDateCase{"AufnSchnitt", "Schnitt", "ok", false},
                      SecondaryDateCase{"AufnSchnitt", "Schnitt", "31.02.2012", false},
                      SecondaryDateCase{"AufnFertig", "Fertig", "05.03.2012", true},
                      SecondaryDateCase{"AufnFertig", "Fertig", "ja", true},
                      SecondaryDateCase{"AufnFertig", "Fertig", "ok", true},
                      SecondaryDateCase{"AufnFertig", "Fertig", "bald", false},
                      SecondaryDateCase{"BackupDat", "BackupDat", "05.03.12", true},
                      SecondaryDateCase{"BackupDat", "BackupDat", "ja", true},
                      SecondaryDateCase{"BackupDat", "BackupDat", "ok", true},
                      SecondaryDateCase{"BackupDat", "BackupDat", "32.01.2012", false}));

TEST_F(RecordSaveValidationTest, TheLastDateCheckDecidesForAllThreeFields) {
  MainWindow& w = Open();
  w.KeepSel().SetValue(false);
  FillNew(w);

  // A recognised date in another field clears the mark a rejected one set.
  Type(w.AufnSchnitt(), QStringLiteral("irgendwann"));
  Type(w.AufnFertig(), QStringLiteral("05.03.2012"));
  EXPECT_EQ(Save(w), std::nullopt);
  EXPECT_EQ(Row(8).value(7), "irgendwann");

  // An empty field or a joker word clears nothing.
  FillNew(w);
  Type(w.BackupDat(), QStringLiteral("morgen"));
  Type(w.AufnSchnitt(), QString());
  Type(w.AufnFertig(), QStringLiteral("ok"));
  EXPECT_EQ(Save(w), DateHint("Ein "));
  EXPECT_EQ(Count(), 4);
}

TEST_F(RecordSaveValidationTest, ARejectedDateFieldOutranksTheRecordingDateAndMissingFields) {
  MainWindow& w = Open();
  FillNew(w);
  w.AufnDatum().SetText(QStringLiteral("gestern"));
  w.AufnOrt().SetText(QString());
  Type(w.AufnSchnitt(), QStringLiteral("gestern"));
  EXPECT_EQ(Save(w), DateHint("Ein "));
  // Once the mark is gone, the recording date is what is wrong.
  EXPECT_EQ(Save(w), DateHint("Das Aufn."));
  w.AufnDatum().SetText(QStringLiteral("05.03.2012"));
  EXPECT_EQ(Save(w), kMissing + Line("Ort"));
  EXPECT_EQ(Count(), 3);
}

}  // namespace
}  // namespace klangbuch_test
