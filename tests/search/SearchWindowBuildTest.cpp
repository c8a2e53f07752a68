// The search window as built: made hidden by the main window's first list
// fill, its design with the application's menu bar above the content, its
// 15 controls against their declaration, the focus order, and the two ways
// the main window shows it.

#include "SearchFixture.h"

#include "app/MenuBar1.h"
#include "framework/Menu.h"
#include "support/Waits.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <functional>

using namespace Qt::StringLiterals;
using klangbuch_test::SearchFixture;

namespace {

using enum fw::ControlClass;

struct Expected {
  const char* name;
  fw::ControlClass cls;
  int left, top, width, height;
  const char* text;  // caption, label or field text; nullptr for none
  const char* tip;
};

// clang-format off
const Expected kControls[] = {
    {"EnterSearch", kPushButton, 500, 46, 80, 20, "Finden", ""},
    {"SearchBy", kPopupMenu, 20, 14, 120, 20, nullptr, ""},
    {"SearchFor", kTextField, 264, 14, 316, 22, "", "Hier Suchtext eingeben"},
    {"SearchOption", kPopupMenu, 152, 14, 100, 20, nullptr, ""},
    {"SearchSurr", kCheckBox, 371, 46, 54, 20, "Surr", ""},
    {"Label2", kLabel, 312, 46, 54, 20, "und ist:", ""},
    {"SearchCD", kCheckBox, 437, 46, 54, 20, "CD", ""},
    {"Xpert", kDisclosureTriangle, 20, 88, 18, 18, nullptr, ""},
    {"Label3", kLabel, 40, 88, 49, 20, "Expert",
     "Schaltet in den Expertenmodus, bei dem die SQL-Query manuell angepasst werden kann."},
    {"Label4", kLabel, 20, 117, 69, 20, "SQL Query:", ""},
    {"SearchSQL", kTextField, 100, 116, 481, 22, "", ""},
    {"SearchUnfinished", kCheckBox, 371, 78, 100, 20, "nicht fertig", ""},
    {"SearchDateType", kPopupMenu, 20, 45, 98, 20, nullptr, ""},
    {"DateOperator", kLabel, 119, 44, 28, 20, ">", "Mit Klick können auch andere Operatoren ausgewählt werden."},
    {"SearchByDate", kTextField, 152, 45, 100, 22, "", "Datumsformat DD.MM.YYYY oder (M).YYYY oder nur YYYY"},
};
// clang-format on

QString TextOf(const fw::Control& c) {
  if (auto* b = dynamic_cast<const fw::PushButton*>(&c)) return b->Caption();
  if (auto* l = dynamic_cast<const fw::Label*>(&c)) return l->Text();
  if (auto* f = dynamic_cast<const fw::TextField*>(&c)) return f->Text();
  if (auto* x = dynamic_cast<const fw::CheckBox*>(&c)) return x->Caption();
  return {};
}

QStringList Entries(const fw::PopupMenu& p) {
  QStringList out;
  for (fw::Integer i = 0; i < p.ListCount(); ++i) out << p.List(i);
  return out;
}

TEST_F(SearchFixture, TheFirstListFillMakesTheWindowHiddenWithAnEmptyCondition) {
  OpenMainWindow();
  fw::Window* made = fw::Window::FindOpen(typeid(SearchWindow));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made, &SearchWindow::SharedInstance());
  EXPECT_FALSE(made->IsVisible());
  EXPECT_EQ(SearchWindow::SharedInstance().filter, u""_s);
}

TEST_F(SearchFixture, DesignIsAFixedSmallWindowWithoutCloseBoxUnderTheApplicationsMenuBar) {
  SearchWindow& w = Open();
  EXPECT_EQ(w.Title(), u"Suchen"_s);
  EXPECT_EQ(w.Width(), 600);
  EXPECT_EQ(w.Height(), 112);
  QWidget* top = w.widget();
  EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "not resizable";
  const Qt::WindowFlags flags = top->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w.MenuBar(), nullptr) << "no menu bar of its own";

  w.Show();
  auto* bar = top->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  QStringList menus;
  for (QAction* a : bar->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{u"Datei"_s, u"Bearbeiten"_s}));
  EXPECT_GT(bar->height(), 0);
  EXPECT_EQ(top->height(), bar->height() + 112) << "the content keeps its size below the bar";
  EXPECT_GE(w.EnterSearch().widget()->mapTo(top, QPoint(0, 0)).y(), bar->height());
}

TEST_F(SearchFixture, ControlsMatchTheirDeclarationInCreationOrder) {
  SearchWindow& w = Open();
  ASSERT_EQ(w.Controls().size(), std::size(kControls));
  for (size_t i = 0; i < std::size(kControls); ++i) {
    const Expected& e = kControls[i];
    auto* c = dynamic_cast<fw::RectControl*>(w.Controls()[i].get());
    ASSERT_NE(c, nullptr);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(c->Name(), QString::fromUtf8(e.name));
    EXPECT_EQ(fw::ControlClass(SearchWindow::ControlDeclaration()[i].cls), e.cls);
    EXPECT_EQ((std::array{c->Left(), c->Top(), c->Width(), c->Height()}),
              (std::array{e.left, e.top, e.width, e.height}));
    EXPECT_EQ(c->Locks(), fw::kLT);
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_TRUE(c->Enabled() && c->Visible());
    if (e.text) {
      EXPECT_EQ(TextOf(*c), QString::fromUtf8(e.text));
    }
    EXPECT_EQ(c->widget()->toolTip(), QString::fromUtf8(e.tip));
  }
  EXPECT_EQ(Entries(w.SearchBy()), (QStringList{u"Prod.Nummer"_s, u"Titel"_s, u"Interpret"_s,
                                                u"Redaktion"_s, u"Ort"_s, u"Backup"_s}));
  EXPECT_EQ(Entries(w.SearchOption()),
            (QStringList{u"enthält"_s, u"ist genau"_s, u"beginnt mit"_s, u"endet mit"_s}));
  EXPECT_EQ(Entries(w.SearchDateType()),
            (QStringList{u"Datum"_s, u"Schnitt"_s, u"Fertig"_s, u"BackupDat"_s}));
  for (const fw::PopupMenu* p : {&w.SearchBy(), &w.SearchOption(), &w.SearchDateType()})
    EXPECT_EQ(p->ListIndex(), 0);
  EXPECT_TRUE(w.EnterSearch().Default());
  EXPECT_FALSE(w.EnterSearch().Cancel());
  EXPECT_FALSE(w.Xpert().Value());
  for (const fw::CheckBox* b : {&w.SearchSurr(), &w.SearchCD(), &w.SearchUnfinished()})
    EXPECT_FALSE(b->Value());
  // Typing in the SQL field changes nothing until "Finden".
  EXPECT_FALSE(w.SearchSQL().TextChange);
}

// Tab from "Finden" visits the fields in their tab order; the two small
// check boxes take the focus only by a click, the triangle never.
TEST_F(SearchFixture, TabOrderStartsAtFindenAndPassesTheSmallBoxesAndTheTriangleBy) {
  SearchWindow& w = Open();
  std::vector<std::pair<QWidget*, QString>> named;
  for (const auto& c : w.Controls()) named.emplace_back(c->widget(), c->Name());
  QStringList order;
  QWidget* at = w.EnterSearch().widget();
  do {
    for (const auto& [widget, name] : named) {
      if (widget == at && (at->focusPolicy() & Qt::TabFocus)) order << name;
    }
    at = at->nextInFocusChain();
  } while (at != w.EnterSearch().widget());
  EXPECT_EQ(order, (QStringList{u"EnterSearch"_s, u"SearchBy"_s, u"SearchFor"_s, u"SearchOption"_s,
                                u"SearchSQL"_s, u"SearchUnfinished"_s, u"SearchDateType"_s,
                                u"SearchByDate"_s}));
  EXPECT_EQ(w.SearchSurr().widget()->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(w.SearchCD().widget()->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(w.Xpert().widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(SearchFixture, TheExpertPartLiesBelowTheClosedHeight) {
  SearchWindow& w = Open();
  for (const fw::RectControl* c :
       {static_cast<fw::RectControl*>(&SearchWindowTestAccess::Label4(w)),
        static_cast<fw::RectControl*>(&w.SearchSQL())})
    EXPECT_GE(c->Top(), w.Height()) << c->Name().toStdString();
  for (const fw::RectControl* c :
       {static_cast<fw::RectControl*>(&w.Xpert()),
        static_cast<fw::RectControl*>(&SearchWindowTestAccess::Label3(w))})
    EXPECT_LE(c->Top() + c->Height(), w.Height()) << c->Name().toStdString();
  w.Xpert().SetValue(true);
  w.Xpert_Action(w.Xpert());
  EXPECT_EQ(w.Height(), 150);
  EXPECT_LE(w.SearchSQL().Top() + w.SearchSQL().Height(), w.Height());
}

TEST_F(SearchFixture, TheSearchButtonAndTheMenuCommandShowTheOneWindow) {
  SearchWindow& w = Open();
  main->SearchBtn().Push();
  EXPECT_TRUE(w.IsVisible());
  w.Hide();
  // As a user does: the menu opens (and brings its items up to date), then
  // the item is chosen.
  emit MenuBar1::SharedInstance().FindItem(u"FileMenu"_s)->action()->menu()->aboutToShow();
  MenuBar1::SharedInstance().FindItem(u"FileSearch"_s)->action()->trigger();
  EXPECT_TRUE(w.IsVisible());
  w.Hide();
  main->Show();
  ASSERT_TRUE(klangbuch_test::WaitUntilActive(main->widget()));
  QTest::keyClick(main->AufnTitel().widget(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(w.IsVisible()) << "Ctrl+F";
  EXPECT_EQ(&SearchWindow::SharedInstance(), &w);
  EXPECT_TRUE(main->IsVisible()) << "not modal";
}

// The window is never closed, so once the user minimized it these three are
// the only way back: each brings it back, on top and active.
TEST_F(SearchFixture, TheButtonTheMenuCommandAndCtrlFBringAMinimizedWindowBack) {
  SearchWindow& w = Open();
  const struct {
    const char* way;
    std::function<void()> show;
  } ways[] = {
      {"Suche ...", [this] { main->SearchBtn().Push(); }},
      {"Suchen...",
       [] {
         emit MenuBar1::SharedInstance().FindItem(u"FileMenu"_s)->action()->menu()->aboutToShow();
         MenuBar1::SharedInstance().FindItem(u"FileSearch"_s)->action()->trigger();
       }},
      {"Ctrl+F",
       [this] { QTest::keyClick(main->AufnTitel().widget(), Qt::Key_F, Qt::ControlModifier); }},
  };
  for (const auto& way : ways) {
    main->SearchBtn().Push();
    w.widget()->showMinimized();
    main->Show();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(main->widget())) << way.way;
    ASSERT_TRUE(w.widget()->isMinimized()) << way.way;
    way.show();
    EXPECT_FALSE(w.widget()->isMinimized()) << way.way;
    EXPECT_FALSE(w.widget()->windowState() & Qt::WindowMinimized) << way.way;
    EXPECT_TRUE(w.IsVisible()) << way.way;
    EXPECT_TRUE(klangbuch_test::WaitUntilActive(w.widget())) << way.way;
    EXPECT_EQ(fw::Window::FrontWindow(), &w) << way.way;
  }
}

}  // namespace
