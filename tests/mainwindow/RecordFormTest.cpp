// The record form follows the list: loading, clearing, new and duplicate.

#include "mainwindow/RecordFormFixture.h"

namespace klangbuch_test {
namespace {

class RecordFormTest : public RecordFormFixture {};

// The form's text fields with the column each shows, in table order.
std::vector<std::pair<fw::TextField*, QString>> TextFields(MainWindow& w) {
  return {{&w.AufnDatum(), "Datum"},         {&w.ProdNummer(), "ProdNr"},
          {&w.AufnTitel(), "Titel"},         {&w.AufnRed(), "Redaktion"},
          {&w.AufnInterpret(), "Interpret"}, {&w.AufnOrt(), "Ort"},
          {&w.AufnSchnitt(), "Schnitt"},     {&w.AufnFertig(), "Fertig"},
          {&w.AufnBackup(), "Backup"},       {&w.BackupDat(), "BackupDat"},
          {&w.AufnBemerkung(), "Bemerkung"}, {&w.AufnTechnik(), "Technik"}};
}

void ExpectRecordCommandsEnabled(MainWindow& w, bool enabled) {
  EXPECT_EQ(w.DeleteBtn().Enabled(), enabled);
  EXPECT_EQ(w.CopyBtn().Enabled(), enabled);
  EXPECT_EQ(MenuBar1::Item(QStringLiteral("EditDuplicate")).Enabled(), enabled);
}

TEST_F(RecordFormTest, SelectingARowShowsItsRecordWithStoredDatesInTheShownForm) {
  MainWindow& w = Open();
  Select(w, 3);

  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.UpdateBtn().Caption(), "Update");
  ExpectRecordCommandsEnabled(w, true);
  // Only a stored date is converted; typed dates and jokers show as stored.
  EXPECT_EQ(w.AufnDatum().Text(), "05.03.2012");
  EXPECT_EQ(w.AufnSchnitt().Text(), "04.03.12");
  EXPECT_EQ(w.AufnFertig().Text(), "ja");
  EXPECT_EQ(w.BackupDat().Text(), "ok");
  EXPECT_EQ(w.ProdNummer().Text(), "P-1");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
  EXPECT_EQ(w.AufnRed().Text(), "WDR 3");
  EXPECT_EQ(w.AufnInterpret().Text(), "Anna");
  EXPECT_EQ(w.AufnOrt().Text(), "Köln");
  EXPECT_EQ(w.AufnBackup().Text(), "HD 1");
  EXPECT_EQ(w.AufnBemerkung().Text(), "Bem. 1");
  EXPECT_EQ(w.AufnTechnik().Text(), "Stereo");
  EXPECT_EQ(w.AufnTon().Text(), "CD");
  EXPECT_EQ(w.AufnSystem().Text(), "Radar");
  EXPECT_TRUE(w.BelegCD().Value());
  EXPECT_FALSE(w.AufnSurr().Value());

  // The next record replaces every value, empty ones included.
  Select(w, 5);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 5");
  EXPECT_EQ(w.AufnSchnitt().Text(), "");
  EXPECT_EQ(w.AufnFertig().Text(), "");
  EXPECT_EQ(w.AufnTechnik().Text(), "");
  EXPECT_FALSE(w.BelegCD().Value());
  EXPECT_TRUE(w.AufnSurr().Value());
  EXPECT_EQ(w.AufnTon().Text(), "AMS");
  EXPECT_EQ(w.AufnSystem().Text(), "Sonic");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordFormTest, AStoredValueThePopupLacksIsAppendedOnceAndTheFirstEqualEntryWins) {
  Exec(QStringLiteral(
      "UPDATE Aufnahmen SET Format = 'MiniDisc', System = 'Sadie' WHERE ID IN (3, 7)"));
  MainWindow& w = Open();
  const int tonCount = w.AufnTon().ListCount();
  const int sysCount = w.AufnSystem().ListCount();

  Select(w, 3);
  EXPECT_EQ(w.AufnTon().ListCount(), tonCount + 1);
  EXPECT_EQ(w.AufnTon().ListIndex(), tonCount);
  EXPECT_EQ(w.AufnTon().Text(), "MiniDisc");
  EXPECT_EQ(w.AufnSystem().ListIndex(), sysCount);
  EXPECT_EQ(w.AufnSystem().Text(), "Sadie");

  Select(w, 5);
  Select(w, 7);
  EXPECT_EQ(w.AufnTon().ListCount(), tonCount + 1);
  EXPECT_EQ(w.AufnTon().ListIndex(), tonCount);
  EXPECT_EQ(w.AufnSystem().ListCount(), sysCount + 1);

  w.AufnTon().AddRow(QStringLiteral("AMS"));
  Select(w, 5);
  EXPECT_EQ(w.AufnTon().ListIndex(), 0);
}

TEST_F(RecordFormTest, LosingTheSelectionDisablesTheFormButKeepsItsValues) {
  MainWindow& w = Open();
  Select(w, 3);
  w.RecList().SetListIndex(-1);

  EXPECT_FALSE(w.RecGroupBox().Enabled());
  ExpectRecordCommandsEnabled(w, false);
  EXPECT_TRUE(w.NewBtn().Enabled());
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");
  EXPECT_EQ(w.UpdateBtn().Caption(), "Update");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
}

TEST_F(RecordFormTest, ARecordRemovedBehindTheProgramsBackLeavesTheFormAsItWas) {
  MainWindow& w = Open();
  Select(w, 3);
  Exec(QStringLiteral("DELETE FROM Aufnahmen WHERE ID = 5"));
  Select(w, 5);

  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
  EXPECT_EQ(w.AufnDatum().Text(), "05.03.2012");
  EXPECT_TRUE(w.BelegCD().Value());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordFormTest, AFailedLoadShowsTheErrorWithoutRollbackAndKeepsTheForm) {
  MainWindow& w = Open();
  Select(w, 3);
  // The table goes away behind the program's back, so the query fails.
  Exec(QStringLiteral("ALTER TABLE Aufnahmen RENAME TO Weg"));
  Select(w, 7);

  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 3");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  ExpectNoOpenTransaction();
}

// What the list and the form show, as far as a load could change it.
struct Shown {
  QString selected;  // the selected row's ID, "" for none
  QString caption, button, title;
  bool group, deletes, copies;
  bool operator==(const Shown&) const = default;
};
void PrintTo(const Shown& s, std::ostream* os) {
  *os << "row " << s.selected.toStdString() << ", caption \"" << s.caption.toStdString() << "\", "
      << s.button.toStdString() << ", title " << s.title.toStdString() << ", group " << s.group
      << ", delete " << s.deletes << ", copy " << s.copies;
}
Shown ShownBy(MainWindow& w) {
  const fw::Listbox& list = w.RecList();
  return {list.ListIndex() == -1 ? QString() : list.Cell(list.ListIndex(), 0),
          w.RecGroupBox().Caption(),
          w.UpdateBtn().Caption(),
          w.AufnTitel().Text(),
          w.RecGroupBox().Enabled(),
          w.DeleteBtn().Enabled(),
          w.CopyBtn().Enabled()};
}

// The form as the user left it before clicking another row.
enum class FormState { kStored, kDuplicate, kNew, kNoSelection };
const char* const kFormStateNames[] = {"StoredRecord", "DuplicateBeingTyped", "NewRecordBeingTyped",
                                       "NoSelection"};
void PrintTo(FormState s, std::ostream* os) { *os << kFormStateNames[static_cast<int>(s)]; }

// Another program holds the catalogue locked, so the clicked row cannot be
// read: the message once, and the list goes back to what the form shows.
class FailedLoadTest : public RecordFormFixture, public ::testing::WithParamInterface<FormState> {
 protected:
  void Prepare(MainWindow& w, FormState s) {
    if (s == FormState::kNew) {
      w.NewBtn().Push();
      w.AufnTitel().SetText(QStringLiteral("Neu"));
      return;
    }
    Select(w, 3);
    if (s == FormState::kDuplicate) {
      w.CopyBtn().Push();
      w.AufnTitel().SetText(QStringLiteral("Kopie"));
    }
    if (s == FormState::kNoSelection) w.RecList().SetListIndex(-1);
  }

  // A second connection that keeps every other connection from reading.
  std::unique_ptr<fw::SQLiteDatabase> LockExclusively() {
    auto other = std::make_unique<fw::SQLiteDatabase>();
    other->DatabaseFile = fw::FolderItem(DatabasePath());
    EXPECT_TRUE(other->Connect());
    other->SQLExecute(QStringLiteral("begin exclusive"));
    EXPECT_FALSE(other->Error()) << other->ErrorMessage().toStdString();
    return other;
  }
};

TEST_P(FailedLoadTest, PutsTheListBackToTheRowTheFormShows) {
  MainWindow& w = Open();
  w.ConfirmDlog().SetValue(false);
  Prepare(w, GetParam());
  const Shown before = ShownBy(w);

  std::unique_ptr<fw::SQLiteDatabase> other = LockExclusively();
  Select(w, 7);
  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].startsWith(QLatin1String("Database Error: 5\n")));
  EXPECT_EQ(ShownBy(w), before);
  other.reset();

  // "Löschen" takes the record the form shows, or stays without one.
  w.DeleteBtn().Push();
  EXPECT_EQ(DatabaseErrors(), 1);
  EXPECT_EQ(Row(7), Expected(kStoredRows[2]));
  EXPECT_EQ(Row(3).isEmpty(), before.selected == QLatin1String("3"));
  // The click that failed works once the lock is gone.
  Select(w, 7);
  EXPECT_EQ(w.RecGroupBox().Caption(), "# 7");
  EXPECT_EQ(w.AufnTitel().Text(), "Dritter");
}

INSTANTIATE_TEST_SUITE_P(FormStates, FailedLoadTest,
                         ::testing::Values(FormState::kStored, FormState::kDuplicate,
                                           FormState::kNew, FormState::kNoSelection),
                         [](const ::testing::TestParamInfo<FormState>& info) {
                           return kFormStateNames[static_cast<int>(info.param)];
                         });

// "Neu" and its menu item prepare the same empty record.
class NewRecordTest : public RecordFormFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(NewRecordTest, EmptiesTheFormProposesTodayAndDropsTheSelection) {
  MainWindow& w = Open();
  Select(w, 3);
  if (GetParam()) {
    EXPECT_TRUE(w.EditNew_Action());
  } else {
    w.NewBtn().Push();
  }

  for (const auto& [field, column] : TextFields(w)) {
    if (field == &w.AufnDatum()) continue;
    EXPECT_EQ(field->Text(), "") << column.toStdString();
  }
  EXPECT_EQ(w.AufnDatum().Text(), w.today.AbbreviatedDate());
  EXPECT_FALSE(w.BelegCD().Value());
  EXPECT_FALSE(w.AufnSurr().Value());
  EXPECT_EQ(w.AufnTon().ListIndex(), MainWindowTestAccess::DefTon(w));
  EXPECT_EQ(w.AufnSystem().ListIndex(), MainWindowTestAccess::DefSys(w));
  EXPECT_EQ(w.RecList().ListIndex(), -1);
  EXPECT_EQ(w.RecGroupBox().Caption(), " ");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.UpdateBtn().Caption(), "Sichern");
  ExpectRecordCommandsEnabled(w, false);
  EXPECT_EQ(w.Focus(), &w.ProdNummer());
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, NewRecordTest, ::testing::Bool());

// "Duplikat" and its menu item keep the record but its dates.
class DuplicateTest : public RecordFormFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(DuplicateTest, KeepsAllButTheDatesAndTheSourceRowStaysSelected) {
  MainWindow& w = Open();
  Select(w, 3);
  const fw::Integer row = w.RecList().ListIndex();
  if (GetParam()) {
    EXPECT_TRUE(w.EditDuplicate_Action());
  } else {
    w.CopyBtn().Push();
  }

  EXPECT_EQ(w.AufnDatum().Text(), w.today.AbbreviatedDate());
  EXPECT_EQ(w.AufnSchnitt().Text(), "");
  EXPECT_EQ(w.AufnFertig().Text(), "");
  EXPECT_EQ(w.BackupDat().Text(), "");
  EXPECT_EQ(w.ProdNummer().Text(), "P-1");
  EXPECT_EQ(w.AufnTitel().Text(), "Erster Titel");
  EXPECT_EQ(w.AufnBackup().Text(), "HD 1");
  EXPECT_EQ(w.AufnTechnik().Text(), "Stereo");
  EXPECT_EQ(w.AufnTon().Text(), "CD");
  EXPECT_EQ(w.AufnSystem().Text(), "Radar");
  EXPECT_TRUE(w.BelegCD().Value());
  EXPECT_EQ(w.RecGroupBox().Caption(), " ");
  EXPECT_EQ(w.UpdateBtn().Caption(), "Sichern");
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.RecList().ListIndex(), row);
  ExpectRecordCommandsEnabled(w, true);
  EXPECT_EQ(w.Focus(), &w.ProdNummer());
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, DuplicateTest, ::testing::Bool());

TEST_F(RecordFormTest, ClearingOnlyTheDatesLeavesEverythingElse) {
  MainWindow& w = Open();
  Select(w, 3);
  w.ClearFields(false);

  for (const auto& [field, column] : TextFields(w)) {
    const bool isDate =
        column == "Datum" || column == "Schnitt" || column == "Fertig" || column == "BackupDat";
    EXPECT_EQ(field->Text().isEmpty(), isDate) << column.toStdString();
  }
  EXPECT_EQ(w.RecGroupBox().Caption(), " ");
  EXPECT_TRUE(w.BelegCD().Value());
  EXPECT_EQ(w.AufnTon().Text(), "CD");
  EXPECT_EQ(w.AufnSystem().Text(), "Radar");
  // Neither the enabling nor the button nor the selection changes.
  EXPECT_TRUE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.UpdateBtn().Caption(), "Update");
  EXPECT_NE(w.RecList().ListIndex(), -1);
}

}  // namespace
}  // namespace klangbuch_test
