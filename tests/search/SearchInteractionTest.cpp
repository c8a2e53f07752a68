// What the search window does with the user's actions: the hand-over to the
// main window and its order, the expert part and its live preview, the
// operator label, activation and focus, the keys, and a bad expert
// condition.

#include "SearchFixture.h"

#include "app/MenuBar1.h"
#include "framework/Menu.h"
#include "support/Waits.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace klangbuch_test {
namespace {

class SearchInteraction : public SearchFixture {
 protected:
  // The search window shown and active, as after "Suche ...".
  SearchWindow& Shown() {
    SearchWindow& w = Open();
    main->SearchBtn().Push();
    EXPECT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
    Settle();
    return w;
  }

  // Shown again from the main window, which is active meanwhile as after
  // the window hid itself.
  void ShowAgain(SearchWindow& w) {
    main->Show();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(main->widget()));
    main->SearchBtn().Push();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  static QLineEdit& Edit(fw::TextField& f) { return *static_cast<QLineEdit*>(f.widget()); }

  static fw::MenuItem& SelectAll() {
    return *MenuBar1::SharedInstance().FindItem(u"EditSelectAll"_s);
  }

  // A user's click on a label: press and release.
  static void Click(fw::Label& label) { QTest::mouseClick(label.widget(), Qt::LeftButton); }
};

TEST_F(SearchInteraction, FindenHandsTheConditionOverInOrderThenHides) {
  SearchWindow& w = Shown();
  main->RecList().SetListIndex(0);  // a record in the form
  ASSERT_NE(main->AufnTitel().Text(), u""_s);

  // Taken when the refill drops the selection, and when the form empties.
  struct Seen {
    fw::String filter;
    bool clearSearch = false, selectAll = false, formFilled = false, visible = false;
    int rows = -1;
  };
  Seen atRefill, atClear;
  const auto see = [&](Seen& s) {
    s = {w.filter,
         main->ClearSearch().Enabled(),
         SelectAll().Enabled(),
         !main->AufnTitel().Text().isEmpty(),
         w.IsVisible(),
         main->RecList().ListCount()};
  };
  const std::function<void()> change = main->RecList().Change;
  main->RecList().Change = [&] {
    if (atRefill.rows < 0) see(atRefill);
    change();
  };
  main->AufnTitel().TextChange = [&] {
    if (main->AufnTitel().Text().isEmpty()) see(atClear);
  };

  Set(w, {.text = "nacht"});
  QTest::mouseClick(w.EnterSearch().widget(), Qt::LeftButton);

  EXPECT_EQ(atRefill.filter, u"upper(Titel) LIKE '%NACHT%'"_s);
  EXPECT_TRUE(atRefill.clearSearch && atRefill.selectAll) << "enabled before the refill";
  EXPECT_TRUE(atRefill.formFilled && atRefill.visible);
  EXPECT_EQ(atClear.rows, 3) << "the form empties after the refill";
  EXPECT_TRUE(atClear.visible) << "and before the window hides";
  EXPECT_EQ(ListedIds(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(main->RecGroupBox().Caption(), u" "_s) << "a new record";
  EXPECT_FALSE(w.IsVisible());
  EXPECT_FALSE(w.IsClosed());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SearchInteraction, AnEmptyConditionDisablesAlleAndShowsEveryRecording) {
  SearchWindow& w = Shown();
  Set(w, {.text = "stille"});
  w.EnterSearch().Push();
  ASSERT_TRUE(main->ClearSearch().Enabled());

  // Nothing set; then the expert part open with its field emptied.
  const std::vector<std::function<void()>> empties = {
      [&] { Set(w, {}); },
      [&] {
        Set(w, {.text = "stille"});
        w.Xpert().SetValue(true);
        w.Xpert_Action(w.Xpert());
        w.SearchSQL().SetText(u""_s);
      },
  };
  for (const auto& leaveEmpty : empties) {
    main->SearchBtn().Push();
    leaveEmpty();
    w.EnterSearch().Push();
    EXPECT_EQ(w.filter, u""_s);
    EXPECT_FALSE(main->ClearSearch().Enabled());
    EXPECT_FALSE(SelectAll().Enabled());
    EXPECT_EQ(ListedIds(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(w.IsVisible());
  }
}

// "Finden" refills the main window's list without a selection while the
// search window is in front; the list's own handler then disables
// "Duplizieren", and that holds once the main window is in front again:
// Ctrl+D there leaves the emptied form as it is.
TEST_F(SearchInteraction, ARefillWithoutASelectionLeavesDuplizierenDisabledInTheMainWindow) {
  SearchWindow& w = Shown();
  main->RecList().SetListIndex(0);
  ASSERT_TRUE(MenuBar1::Item(u"EditDuplicate"_s).Enabled());
  Set(w, {});
  QTest::keyClick(w.SearchFor().widget(), Qt::Key_Return);
  ASSERT_FALSE(w.IsVisible());
  ASSERT_EQ(main->RecList().ListIndex(), -1);

  main->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main->widget()));
  Settle();
  ASSERT_EQ(fw::Window::FrontWindow(), main);
  emit MenuBar1::Item(u"EditMenu"_s).action()->menu()->aboutToShow();
  EXPECT_FALSE(MenuBar1::Item(u"EditDuplicate"_s).Enabled());
  EXPECT_FALSE(MenuBar1::Item(u"EditDuplicate"_s).action()->isEnabled());

  QTest::keyClick(main->RecList().widget(), Qt::Key_D, Qt::ControlModifier);
  Settle();
  EXPECT_FALSE(main->RecGroupBox().Enabled());
  EXPECT_EQ(main->AufnDatum().Text(), u""_s);
  EXPECT_NE(main->UpdateBtn().Caption(), u"Sichern"_s);
  EXPECT_TRUE(dialogs.shown.empty());
}

// While the expert part is open every change rebuilds `filter` at once, so
// a refill started meanwhile already uses it; "Finden" then takes the SQL
// field as typed.
TEST_F(SearchInteraction, TheOpenExpertPartPreviewsIntoFilterAndFindenTakesTheTypedSql) {
  SearchWindow& w = Shown();
  Set(w, {.text = "nacht"});
  EXPECT_EQ(w.filter, u""_s) << "closed: no preview";

  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  ASSERT_TRUE(w.Xpert().Value());
  EXPECT_EQ(w.Height(), 150);
  EXPECT_EQ(w.SearchSQL().Text(), u"upper(Titel) LIKE '%NACHT%'"_s);

  struct Step {
    const char* what;
    std::function<void()> change;
    const char* condition;
  };
  const Step steps[] = {
      {"typed", [&] { QTest::keyClicks(w.SearchFor().widget(), u" und"_s); },
       "upper(Titel) LIKE '%NACHT UND%'"},
      {"option", [&] { Choose(w.SearchOption(), u"beginnt mit"_s); },
       "upper(Titel) LIKE 'NACHT UND%'"},
      {"column", [&] { Choose(w.SearchBy(), u"Ort"_s); }, "upper(Ort) LIKE 'NACHT UND%'"},
      {"text", [&] { w.SearchFor().SetText(u""_s); }, ""},
      {"date", [&] { w.SearchByDate().SetText(u"2011"_s); }, "Datum > '2011-01-01'"},
      {"date column", [&] { Choose(w.SearchDateType(), u"Fertig"_s); }, "Fertig > '2011-01-01'"},
      {"Surr", [&] { w.SearchSurr().SetValue(true); }, "Fertig > '2011-01-01' AND Surr"},
      {"CD", [&] { w.SearchCD().SetValue(true); },
       "Fertig > '2011-01-01' AND Surr AND Format LIKE 'CD'"},
      {"nicht fertig", [&] { w.SearchUnfinished().SetValue(true); },
       "Fertig > '2011-01-01' AND Surr AND Format LIKE 'CD' AND Fertig LIKE ''"},
  };
  for (const Step& s : steps) {
    s.change();
    EXPECT_EQ(w.filter, QString::fromUtf8(s.condition)) << s.what;
    EXPECT_EQ(w.SearchSQL().Text(), w.filter) << s.what;
  }
  w.SearchUnfinished().SetValue(false);
  w.SearchCD().SetValue(false);
  main->UpdateRecList();  // e.g. a save meanwhile
  EXPECT_EQ(ListedIds(), (std::vector<int>{1, 3})) << "the refill uses the preview";

  // SQL typed in the field is lost at the next change of another control.
  w.SearchSQL().SetText(u"Titel = 'Stille'"_s);
  w.SearchSurr().SetValue(false);
  EXPECT_EQ(w.SearchSQL().Text(), u"Fertig > '2011-01-01'"_s);

  // Typed and applied as it stands, against what the controls say.
  w.SearchSQL().SetText(u"Titel = 'Stille'"_s);
  w.EnterSearch().Push();
  EXPECT_EQ(w.filter, u"Titel = 'Stille'"_s);
  EXPECT_EQ(ListedIds(), (std::vector<int>{5}));
  EXPECT_EQ(w.SearchByDate().Text(), u"2011"_s) << "the controls keep their values";
  EXPECT_TRUE(main->ClearSearch().Enabled());

  // Closing only sets the height.
  main->SearchBtn().Push();
  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  EXPECT_FALSE(w.Xpert().Value());
  EXPECT_EQ(w.Height(), 112);
  EXPECT_EQ(w.filter, u"Titel = 'Stille'"_s);
  w.SearchFor().SetText(u"x"_s);
  EXPECT_EQ(w.filter, u"Titel = 'Stille'"_s) << "closed: no preview";
}

// The search text and the expert condition have no length limit: a text
// longer than Qt's default maximum of 32,767 characters is searched for
// whole, previewed whole into the SQL field, and a long condition typed
// there is applied as it stands.
TEST_F(SearchInteraction, LongSearchTextsAndConditionsAreNotCut) {
  SearchWindow& w = Shown();
  const QString tail = QString(40000, u'x');
  Set(w, {.text = "nacht"});
  w.SearchFor().SetText(u"nacht"_s + tail);
  EXPECT_EQ(w.SearchFor().Text().size(), 40005);
  w.EnterSearch().Push();
  EXPECT_EQ(w.filter, u"upper(Titel) LIKE '%NACHT"_s + tail.toUpper() + u"%'"_s);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(ListedIds(), std::vector<int>());

  main->SearchBtn().Push();
  w.Xpert().SetValue(true);
  w.Xpert_Action(w.Xpert());
  EXPECT_EQ(w.SearchSQL().Text(), w.filter) << "the preview, whole";
  w.EnterSearch().Push();
  EXPECT_TRUE(dialogs.shown.empty()) << "no condition cut into broken SQL";

  main->SearchBtn().Push();
  w.SearchSQL().SetText(u"Titel = 'Stille' OR Titel = '"_s + tail + u"'"_s);
  w.EnterSearch().Push();
  EXPECT_EQ(w.filter.size(), 40030);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(ListedIds(), (std::vector<int>{5}));
}

// Another reader of the condition, before "Finden": the export writes the
// previewed recordings.
TEST_F(SearchInteraction, AnExportStartedWhileTheExpertPartIsOpenUsesThePreview) {
  SearchWindow& w = Shown();
  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  w.SearchUnfinished().SetValue(true);
  ASSERT_EQ(w.filter, u" Fertig LIKE ''"_s);

  const fw::FolderItem target(programDir.filePath(u"Auswahl.txt"_s));
  dialogs.AnswerNextFileDialogWith(target);
  main->FileExportData_Action();
  QFile file(target.NativePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 3) << "two recordings and the end";
  EXPECT_TRUE(lines[0].contains("Ohne Datum")) << "ordered by Datum, the empty one first";
  EXPECT_TRUE(lines[1].contains("Weihnachtsoratorium"));
  EXPECT_EQ(ListedIds(), (std::vector<int>{1, 2, 3, 4, 5, 6})) << "the list is not refilled";
}

TEST_F(SearchInteraction, ClickingExpertTurnsTheTriangleOverAndRunsItsStepsOnce) {
  SearchWindow& w = Shown();
  int raised = 0;
  const std::function<void()> action = w.Xpert().Action;
  w.Xpert().Action = [&] {
    ++raised;
    action();
  };
  fw::Label& expert = SearchWindowTestAccess::Label3(w);
  Set(w, {.surr = true});

  QTest::mousePress(expert.widget(), Qt::LeftButton);
  EXPECT_FALSE(w.Xpert().Value()) << "the press only claims the click";
  QTest::mouseRelease(expert.widget(), Qt::LeftButton);
  EXPECT_TRUE(w.Xpert().Value());
  EXPECT_EQ(w.Height(), 150);
  EXPECT_EQ(w.SearchSQL().Text(), u" Surr"_s);
  EXPECT_EQ(w.filter, u" Surr"_s);

  Click(expert);
  EXPECT_FALSE(w.Xpert().Value());
  EXPECT_EQ(w.Height(), 112);
  EXPECT_EQ(raised, 0) << "setting the value raises no Action";
}

TEST_F(SearchInteraction, TheOperatorCyclesOnReleaseAndThePreviewFollows) {
  SearchWindow& w = Shown();
  fw::Label& op = SearchWindowTestAccess::DateOperator(w);
  ASSERT_EQ(op.Text(), u">"_s);
  w.SearchByDate().SetText(u"2010"_s);

  QTest::mousePress(op.widget(), Qt::LeftButton);
  EXPECT_EQ(op.Text(), u">"_s) << "the press only claims the click";
  QTest::mouseRelease(op.widget(), Qt::LeftButton);
  EXPECT_EQ(op.Text(), u"="_s);
  EXPECT_EQ(w.filter, u""_s) << "closed: no preview";

  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  const char* const next[] = {"<", "<=", ">=", ">", "="};
  const char* const built[] = {
      "Datum < '2010-01-01' AND NOT Datum LIKE ''", "Datum <= '2010-01-01' AND NOT Datum LIKE ''",
      "Datum >= '2010-01-01'", "Datum > '2010-01-01'", "Datum = '2010-01-01'"};
  for (size_t i = 0; i < std::size(next); ++i) {
    Click(op);
    EXPECT_EQ(op.Text(), QString::fromUtf8(next[i]));
    EXPECT_EQ(w.SearchSQL().Text(), QString::fromUtf8(built[i]));
  }
  op.SetText(u"<>"_s);
  Click(op);
  EXPECT_EQ(op.Text(), u"<>"_s) << "another text stays";
}

TEST_F(SearchInteraction, ActivationNamesSelectAllAndFocusesTheSqlFieldOnlyForAnAppliedCondition) {
  SelectAll().SetText(u"Alle Datensätze"_s);
  SearchWindow& w = Shown();
  EXPECT_EQ(SelectAll().Text(), u"Alle Auswählen"_s);
  EXPECT_TRUE(SelectAll().Enabled());
  EXPECT_TRUE(w.SearchFor().HasFocus());

  // Expert part open, a condition applied: the SQL field, all selected.
  QTest::keyClicks(w.SearchFor().widget(), u"stille"_s);
  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  w.EnterSearch().Push();
  ShowAgain(w);
  EXPECT_TRUE(w.SearchSQL().HasFocus());
  EXPECT_EQ(Edit(w.SearchSQL()).selectedText(), u"upper(ProdNr) LIKE '%STILLE%'"_s);

  // After "Alle": the search field, all of it selected; the SQL field
  // keeps its old text.
  w.EnterSearch().Push();
  main->ClearSearch().Push();
  ASSERT_EQ(w.filter, u""_s);
  ShowAgain(w);
  EXPECT_TRUE(w.SearchFor().HasFocus());
  EXPECT_EQ(Edit(w.SearchFor()).selectedText(), u"stille"_s);
  EXPECT_EQ(w.SearchSQL().Text(), u"upper(ProdNr) LIKE '%STILLE%'"_s);
  EXPECT_TRUE(w.Xpert().Value()) << "the state survives hiding";
}

TEST_F(SearchInteraction, EscapeAndTheWindowManagersCloseRequestLeaveItOpen) {
  SearchWindow& w = Shown();
  Set(w, {.text = "stille"});
  QTest::keyClick(w.SearchFor().widget(), Qt::Key_Escape);
  QCloseEvent close;
  QCoreApplication::sendEvent(w.widget(), &close);
  Settle();
  EXPECT_TRUE(w.IsVisible());
  EXPECT_FALSE(w.IsClosed());
  EXPECT_EQ(&SearchWindow::SharedInstance(), &w);
  EXPECT_EQ(w.filter, u""_s);
  EXPECT_EQ(w.SearchFor().Text(), u"stille"_s);
}

TEST_F(SearchInteraction, ReturnInATextFieldPushesFinden) {
  struct Way {
    const char* field;
    std::function<fw::TextField&(SearchWindow&)> in;
    SearchFixture::Controls set;
    std::vector<int> ids;
  };
  // clang-format off
  const Way ways[] = {
      {"SearchFor", [](SearchWindow& w) -> fw::TextField& { return w.SearchFor(); },
       {.text = "stille"}, {5}},
      {"SearchByDate", [](SearchWindow& w) -> fw::TextField& { return w.SearchByDate(); },
       {.date = "2010", .op = "="}, {2}},
  };
  // clang-format on
  SearchWindow& w = Shown();
  for (const Way& way : ways) {
    ShowAgain(w);
    Set(w, way.set);
    way.in(w).SetFocus();
    QTest::keyClick(way.in(w).widget(), Qt::Key_Return);
    EXPECT_FALSE(w.IsVisible()) << way.field;
    EXPECT_EQ(ListedIds(), way.ids) << way.field;
  }
}

// In this window Ctrl+A and "Alle Auswählen" select the focused field's
// text; the search stays as it is.
TEST_F(SearchInteraction, SelectAllSelectsTheFieldsTextAndNeverResetsTheSearch) {
  SearchWindow& w = Shown();
  Set(w, {.text = "stille"});
  w.EnterSearch().Push();
  ShowAgain(w);

  w.SearchFor().SetFocus();
  Edit(w.SearchFor()).deselect();
  QTest::keyClick(w.SearchFor().widget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Edit(w.SearchFor()).selectedText(), u"stille"_s);

  w.SearchByDate().SetText(u"2010"_s);
  w.SearchByDate().SetFocus();
  Edit(w.SearchByDate()).deselect();
  ASSERT_TRUE(SelectAll().action()->isEnabled());
  SelectAll().action()->trigger();  // chosen in the menu
  Settle();
  EXPECT_EQ(Edit(w.SearchByDate()).selectedText(), u"2010"_s);

  EXPECT_EQ(w.filter, u"upper(Titel) LIKE '%STILLE%'"_s);
  EXPECT_TRUE(main->ClearSearch().Enabled());
  EXPECT_EQ(ListedIds(), (std::vector<int>{5}));
  EXPECT_TRUE(w.IsVisible());
}

// The engine runs one statement: a second one after the condition is
// refused with the database error; nothing is deleted, and "Alle" resets
// the condition that stayed.
TEST_F(SearchInteraction, ABadExpertConditionShowsTheDatabaseErrorAndAlleResetsIt) {
  SearchWindow& w = Shown();
  QTest::mouseClick(w.Xpert().widget(), Qt::LeftButton);
  const fw::String typed = u"1; DELETE FROM Aufnahmen"_s;
  w.SearchSQL().SetText(typed);
  w.EnterSearch().Push();

  const std::vector<fw::String> texts = dialogs.MsgBoxTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].startsWith(u"Database Error: "_s)) << texts[0].toStdString();
  EXPECT_TRUE(
      texts[0].endsWith(u"Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query\nIm Expert Modus"_s));
  EXPECT_EQ(Rows(u"SELECT count(*) FROM Aufnahmen"_s).at(0).at(0), u"6"_s) << "nothing deleted";
  EXPECT_FALSE(w.IsVisible());
  EXPECT_EQ(w.filter, typed);
  EXPECT_EQ(ListedIds(), (std::vector<int>{1, 2, 3, 4, 5, 6})) << "the list keeps its rows";
  ASSERT_TRUE(main->ClearSearch().Enabled());

  dialogs.Clear();
  main->ClearSearch().Push();
  EXPECT_EQ(w.filter, u""_s);
  EXPECT_FALSE(main->ClearSearch().Enabled());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace klangbuch_test
