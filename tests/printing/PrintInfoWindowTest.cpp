// The print selection window: its design, the refill at every activation,
// KeepSel's row position, the sort of its ID and date columns, an
// activation error shown once, its buttons and its menu items.

#include "PrintingFixture.h"

#include "app/App.h"
#include "printing/PrintInfoWindow.h"
#include "support/Waits.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>

using namespace Qt::StringLiterals;
using klangbuch_test::PrintingFixture;
using klangbuch_test::Recording;

namespace {

class PrintInfo : public PrintingFixture {
 protected:
  fw::MenuItem& Item(const char* name) {
    return *app->MenuBar()->FindItem(QString::fromLatin1(name));
  }

  static std::vector<int> SelectedRows(const fw::Listbox& list) {
    std::vector<int> rows;
    for (int r = 0; r < list.ListCount(); ++r)
      if (list.Selected(r)) rows.push_back(r);
    return rows;
  }
};

TEST_F(PrintInfo, DesignControlsAndTheApplicationsMenuBar) {
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  EXPECT_EQ(w.Title(), u"Vollinfo Drucken"_s);
  EXPECT_EQ(w.Width(), 800);
  EXPECT_EQ(w.Height(), 400);
  EXPECT_FALSE(w.Design().resizeable);
  EXPECT_FALSE(w.Design().minimizeButton);
  EXPECT_TRUE(w.Design().closeButton);
  EXPECT_EQ(w.MenuBar(), app->MenuBar());
  EXPECT_NE(w.widget()->findChild<QMenuBar*>(), nullptr);

  fw::Listbox& list = w.RecList2();
  EXPECT_EQ(list.SelectionType(), 1);
  EXPECT_EQ(list.ColumnWidths(), u"0, 75, 180, 180, 100, 100, *"_s);
  QStringList headings;
  for (int c = 0; c < list.ColumnCount(); ++c) headings << list.Heading(c);
  EXPECT_EQ(headings, (QStringList{u"ID"_s, u"Datum"_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s,
                                   u"Prod.Nr."_s, u"Ort"_s}));
  EXPECT_EQ(w.PrintInfo().Caption(), u"Drucken"_s);
  EXPECT_TRUE(w.PrintInfo().Default());
  EXPECT_EQ(w.PrintCancel().Caption(), u"Abbrechen"_s);
  EXPECT_TRUE(w.PrintCancel().Cancel());
  EXPECT_EQ(w.Label1().Text(),
            u"Selektieren Sie die Datensätze, die als Vollinfo gedruckt werden sollen.\r"
            u"(Die Auswahl wird von der Suche des Hauptfensters übernommen)"_s);
  EXPECT_FALSE(w.PrintInfo().Enabled());  // nothing selected
}

// "Vollinfo..." and Ctrl+Shift+P bring the window back when the user
// minimized it: restored, on top and active.
TEST_F(PrintInfo, TheCommandAndItsShortcutBringAMinimizedWindowBack) {
  MainWindow& main = Open();
  PrintInfoWindow& w = OpenPrintInfo();
  const struct {
    const char* way;
    std::function<void()> show;
  } ways[] = {
      {"Vollinfo...",
       [this] {
         emit Item("FileMenu").action()->menu()->aboutToShow();
         Item("FilePrintInfo").action()->trigger();
       }},
      {"Ctrl+Shift+P",
       [&main] {
         QTest::keyClick(main.RecList().widget(), Qt::Key_P,
                         Qt::ControlModifier | Qt::ShiftModifier);
       }},
  };
  for (const auto& way : ways) {
    w.widget()->showMinimized();
    main.Show();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(main.widget())) << way.way;
    ASSERT_TRUE(w.widget()->isMinimized()) << way.way;
    way.show();
    EXPECT_FALSE(w.widget()->isMinimized()) << way.way;
    EXPECT_TRUE(w.IsVisible()) << way.way;
    EXPECT_TRUE(klangbuch_test::WaitUntilActive(w.widget())) << way.way;
    EXPECT_EQ(fw::Window::FrontWindow(), &w) << way.way;
  }
}

TEST_F(PrintInfo, EveryActivationRefillsTheListFromTheMainListsQuery) {
  AddNumbered(3);
  MainWindow& main = Open();
  PrintInfoWindow& w = OpenPrintInfo();
  ASSERT_EQ(w.RecList2().ListCount(), 3);
  EXPECT_EQ(w.RecList2().Cell(0, 2), u"Titel 1"_s);  // the main window's sort: newest first
  w.RecList2().SetSelected(1, true);
  w.RecList2().SetSelected(2, true);

  AddNumbered(1);
  SearchWindow::SharedInstance().filter = u"Titel <> 'Titel 3'"_s;
  main.UpdateRecList();
  Activate(w);
  EXPECT_EQ(w.RecList2().ListCount(), 3);  // the main list's query, now with its condition
  EXPECT_TRUE(SelectedRows(w.RecList2()).empty());
  EXPECT_EQ(Item("EditSelectAll").Text(), u"Alle Auswählen"_s);
}

TEST_F(PrintInfo, KeepSelTakesOverTheMainListsRowPositionNotItsRecording) {
  AddNumbered(3);
  MainWindow& main = Open();
  main.KeepSel().SetValue(true);
  // The main list sorted by title descending: its row 0 is "Titel 3", the
  // print list's row 0 "Titel 1".
  main.RecList().SetSortedColumn(2);
  main.RecList().SetColumnSortDirection(2, -1);
  main.RecList().Sort();
  main.RecList().SetListIndex(0);
  PrintInfoWindow& w = OpenPrintInfo();
  EXPECT_EQ(SelectedRows(w.RecList2()), std::vector<int>{0});
  EXPECT_EQ(w.RecList2().Cell(0, 2), u"Titel 1"_s);
  EXPECT_TRUE(w.PrintInfo().Enabled());

  main.RecList().SetListIndex(-1);
  Activate(w);
  EXPECT_TRUE(SelectedRows(w.RecList2()).empty());
  EXPECT_FALSE(w.PrintInfo().Enabled());
}

TEST_F(PrintInfo, IdsSortAsNumbersDatesByTheirKeyEqualKeysAsEqual) {
  Open();
  PrintInfoWindow& w = OpenPrintInfo();
  fw::Listbox& list = w.RecList2();
  const struct {
    const char* a;
    const char* b;
    int column;
    int result;
  } cases[] = {{"9", "10", 0, -1},
               {"10", "9", 0, 1},
               {"7", "7", 0, 0},
               {"01.01.27", "31.12.99", 1, -1},
               {"05.03.2026", "05.03.26", 1, 0},
               {"31.12.26", "01.01.00", 1, 1}};
  for (const auto& c : cases) {
    list.DeleteAllRows();
    for (const char* cell : {c.a, c.b}) {
      list.AddRow(QString::fromLatin1(cell));
      list.SetCell(list.LastIndex(), 1, QString::fromLatin1(cell));
    }
    int result = 99;
    EXPECT_TRUE(w.RecList2_CompareRows(list, 0, 1, c.column, result)) << c.a << " " << c.b;
    EXPECT_EQ(result, c.result) << c.a << " " << c.b;
  }
  int untouched = 99;
  EXPECT_FALSE(w.RecList2_CompareRows(list, 0, 1, 2, untouched));
  EXPECT_EQ(untouched, 99);

  // A sort takes the same keys from the list's SortKey: IDs as numbers,
  // dates across the century window.
  list.DeleteAllRows();
  for (const char* cell : {"10", "9", "100"}) list.AddRow(QString::fromLatin1(cell));
  const char* const dates[] = {"01.01.27", "31.12.99", "05.03.26"};
  for (int r = 0; r < 3; ++r) list.SetCell(r, 1, QString::fromLatin1(dates[r]));
  list.SetSortedColumn(0);
  list.SetColumnSortDirection(0, 1);
  list.Sort();
  EXPECT_EQ((QStringList{list.Cell(0, 0), list.Cell(1, 0), list.Cell(2, 0)}),
            (QStringList{u"9"_s, u"10"_s, u"100"_s}));
  list.SetSortedColumn(1);
  list.SetColumnSortDirection(1, 1);
  list.Sort();
  EXPECT_EQ((QStringList{list.Cell(0, 1), list.Cell(1, 1), list.Cell(2, 1)}),
            (QStringList{u"01.01.27"_s, u"31.12.99"_s, u"05.03.26"_s}));
  EXPECT_FALSE(w.RecList2_SortKey(list, 0, 2));
}

TEST_F(PrintInfo, AnActivationErrorIsShownOnceAndClosesTheWindow) {
  MainWindow& main = Open();
  main.sql = u"SELECT ID FROM NoSuchTable"_s;
  EXPECT_TRUE(main.FilePrintInfo_Action());
  QPointer<QWidget> window = PrintInfoWindow::SharedInstance().widget();
  // Activations as a dismissed message box would bring them.
  for (int i = 0; i < 3; ++i) {
    if (!window) break;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].startsWith(u"Database Error: "_s));
  EXPECT_EQ(fw::Window::FindOpen(typeid(PrintInfoWindow)), nullptr);
}

TEST_F(PrintInfo, ItsDruckenPrintsTheSelectionAndFollowsIt) {
  AddNumbered(2);
  MainWindow& main = Open();
  PrintInfoWindow& w = OpenPrintInfo();
  w.RecList2().SetSelected(1, true);
  EXPECT_TRUE(w.PrintInfo().Enabled());
  EXPECT_TRUE(Item("FilePrint").Enabled());
  fw::PrintLog& log = AnswerPrintDialog();
  EXPECT_TRUE((*w.MenuHandler(u"FilePrint"_s))());
  EXPECT_TRUE(Find(log, u"Vollinfo ausgewählter Aufnahmen, Stand 15.06.26"_s));
  EXPECT_TRUE(log.lines[2].text.startsWith(u"Datensatz # "_s));

  w.RecList2().SetListIndex(-1);
  EXPECT_FALSE(w.PrintInfo().Enabled());
  Activate(w);
  EXPECT_FALSE(Item("FilePrint").Enabled());
  for (const char* name : {"FileClose", "EditSelectAll", "FilePageSetup"})
    EXPECT_TRUE(Item(name).Enabled()) << name;

  // The main window in front: its own "Drucken..." is there all the same.
  main.Show();
  Activate(main);
  EXPECT_TRUE(Item("FilePrint").Enabled());
  EXPECT_EQ(Item("EditSelectAll").Text(), u"Alle Datensätze"_s);
}

TEST_F(PrintInfo, PageSetupReturnsTheDialogsAnswerInBothWindows) {
  MainWindow& main = Open();
  PrintInfoWindow& w = OpenPrintInfo();
  for (fw::Window* window : {static_cast<fw::Window*>(&main), static_cast<fw::Window*>(&w)}) {
    const auto& pageSetup = *window->MenuHandler(u"FilePageSetup"_s);
    dialogs.AnswerNextPageSetupWith(true);
    EXPECT_TRUE(pageSetup());
    dialogs.AnswerNextPageSetupWith(false);
    EXPECT_FALSE(pageSetup());
  }
}

TEST_F(PrintInfo, AbbrechenAndFileCloseCloseItAndItComesBackAnew) {
  AddNumbered(2);
  Open();
  PrintInfoWindow* w = &OpenPrintInfo();
  w->RecList2().SetSelected(0, true);
  w->PrintCancel().Push();
  EXPECT_EQ(fw::Window::FindOpen(typeid(PrintInfoWindow)), nullptr);
  w = &OpenPrintInfo();
  EXPECT_TRUE(SelectedRows(w->RecList2()).empty());
  EXPECT_TRUE((*w->MenuHandler(u"FileClose"_s))());
  EXPECT_EQ(fw::Window::FindOpen(typeid(PrintInfoWindow)), nullptr);
}

}  // namespace
