// The menu model over Qt: actions with the exact captions and shortcuts,
// the enabling rule, dispatch to the front window then the application, the
// quit item and the standard edit items.

#include "UiTestSupport.h"
#include "support/Waits.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <vector>

using namespace ui_test;

namespace {

struct ItemDecl {
  const char* name;
  const char* caption;
  const char* shortcut;
  fw::MenuItem::Kind kind = fw::MenuItem::kNormal;
};

std::unique_ptr<fw::MenuItem> Item(const ItemDecl& d) {
  auto item = std::make_unique<fw::MenuItem>(d.kind);
  item->Name = d.name;
  item->SetText(d.caption);
  item->KeyboardShortcut = d.shortcut;
  return item;
}

// A small menu bar in the program's notation.
void Build(fw::MenuBar& bar) {
  const std::vector<ItemDecl> file = {{"FileMenu", "Datei", ""},
                                      {"FileClose", "Schließen", "Cmd+W"},
                                      {"Sep", "-", ""},
                                      {"FilePrint", "Drucken...", "Cmd+P"},
                                      {"FilePrintInfo", "Vollinfo...", "Cmd+Shift+P"},
                                      {"FilePageSetup", "Seite & Rand ...", ""},
                                      {"FileQuit", "Beenden", "Cmd+Q", fw::MenuItem::kQuit}};
  const std::vector<ItemDecl> edit = {
      {"EditMenu", "Bearbeiten", ""},
      {"EditClear", "Löschen", ""},
      {"EditSelectAll", "Alle Datensätze", "Cmd+A"},
      {"AppAbout", "Über Klangbuch", "", fw::MenuItem::kApplication}};
  for (const auto* menu : {&file, &edit}) {
    fw::MenuItem* m = nullptr;
    for (const ItemDecl& d : *menu) {
      if (!m) {
        bar.Append(Item(d));
        m = bar.FindItem(d.name);
      } else {
        m->Append(Item(d));
      }
    }
  }
}

class Menus : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Build(bar);
    app.SetMenuBar(&bar);
    app.AddMenuHandler("AppAbout", [] {
      Log() << QStringLiteral("App: AppAbout");
      return true;
    });
    fw::RuntimeRegisterAppObject(&app);
  }

  fw::MenuItem& Named(const char* name) { return *bar.FindItem(name); }
  QAction* ActionOf(const char* name) { return Named(name).action(); }

  // As before the menu opens.
  void OpenMenu(const char* menu) { emit Named(menu).action()->menu()->aboutToShow(); }

  // Window A serves FilePrint, FilePrintInfo and EditSelectAll, and binds
  // FileClose to closing itself; B serves nothing.
  fw::Window& OpenA(bool withMenuBar = true) {
    Script() = WindowScript{};
    Script().menuBar = withMenuBar ? &bar : nullptr;
    Script().controls = {{.cls = fw::ControlClass::kTextField,
                          .name = "Field",
                          .width = 100,
                          .height = 22,
                          .text = "abc"}};
    Script().menuHandlers = [](fw::Window& w) {
      for (const char* name : {"FilePrint", "FilePrintInfo", "EditSelectAll"})
        w.AddMenuHandler(name, [name] {
          Log() << QStringLiteral("A: ") + name;
          return true;
        });
      w.AddMenuHandler("FileClose", [&w] {
        w.Close();
        return true;
      });
    };
    return fw::Window::SharedInstance<WindowA>();
  }
  fw::Window& OpenB(bool showsAppBar = false) {
    Script() = WindowScript{};
    Script().design.menuBarVisible = showsAppBar;
    Script().controls = {{.cls = fw::ControlClass::kTextField,
                          .name = "Field",
                          .width = 100,
                          .height = 22,
                          .text = "xyz"}};
    return fw::Window::SharedInstance<WindowB>();
  }

  static void Activate(fw::Window& w) {
    w.Show();
    w.widget()->activateWindow();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
    Settle();
  }

  fw::MenuBar bar;
  TestApp app;
};

TEST_F(Menus, ActionsCarryTheCaptionsAndShortcutsExactly) {
  const struct {
    const char* name;
    const char* shown;  // Qt's text: '&' doubled so it shows as itself
    QKeySequence shortcut;
  } rows[] = {
      {"FileClose", "Schließen", QKeySequence(Qt::CTRL | Qt::Key_W)},
      {"FilePrint", "Drucken...", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"FilePrintInfo", "Vollinfo...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
      {"FilePageSetup", "Seite && Rand ...", QKeySequence()},
      {"AppAbout", "Über Klangbuch", QKeySequence()},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ActionOf(r.name)->text(), r.shown) << r.name;
    EXPECT_EQ(ActionOf(r.name)->shortcut(), r.shortcut) << r.name;
  }
  EXPECT_EQ(Named("FilePageSetup").Text(), "Seite & Rand ...");
  EXPECT_TRUE(ActionOf("Sep")->isSeparator());
  EXPECT_NE(ActionOf("FilePrint")->shortcut(), ActionOf("FilePrintInfo")->shortcut());

  Named("EditSelectAll").SetText("Alle Auswählen");
  EXPECT_EQ(ActionOf("EditSelectAll")->text(), "Alle Auswählen");
}

TEST_F(Menus, TheWindowWithTheBarShowsItAndEveryWindowCarriesTheActions) {
  fw::Window& a = OpenA();
  fw::Window& b = OpenB();
  auto* shown = a.widget()->findChild<QMenuBar*>();
  ASSERT_NE(shown, nullptr);
  QStringList titles;
  for (QAction* m : shown->actions()) titles << m->text();
  EXPECT_EQ(titles, (QStringList{"Datei", "Bearbeiten"}));
  QStringList items;
  for (QAction* i : ActionOf("FileMenu")->menu()->actions())
    items << (i->isSeparator() ? "-" : i->text());
  EXPECT_EQ(items, (QStringList{"Schließen", "-", "Drucken...", "Vollinfo...", "Seite && Rand ...",
                                "Beenden"}));
  EXPECT_EQ(b.widget()->findChild<QMenuBar*>(), nullptr);
  EXPECT_TRUE(b.widget()->actions().contains(ActionOf("FilePrintInfo")));
}

// A window without a bar of its own whose design asks for one shows the
// application's above its content, which keeps its designed size.
TEST_F(Menus, AWindowWithoutABarOfItsOwnShowsTheApplicationsWhenItsDesignSaysSo) {
  fw::Window& b = OpenB(true);
  EXPECT_EQ(b.MenuBar(), nullptr);
  auto* shown = b.widget()->findChild<QMenuBar*>();
  ASSERT_NE(shown, nullptr);
  QStringList titles;
  for (QAction* m : shown->actions()) titles << m->text();
  EXPECT_EQ(titles, (QStringList{"Datei", "Bearbeiten"}));
  EXPECT_TRUE(b.widget()->actions().contains(ActionOf("FilePrintInfo")));
  EXPECT_EQ(b.Height(), fw::WindowDesign{}.height);
  EXPECT_EQ(b.widget()->height(), shown->height() + b.Height());
}

TEST_F(Menus, EnablingStartsFromTheHandlersThenTheWindowThenTheApplication) {
  Script().enableMenuItems = nullptr;
  fw::Window& a = OpenA();
  Script().enableMenuItems = [this](fw::Window&) { Named("FilePrint").SetEnabled(false); };
  Log().clear();
  OpenMenu("FileMenu");
  EXPECT_EQ(Log(), (QStringList{"A: EnableMenuItems", "App: EnableMenuItems"}));
  const struct {
    const char* name;
    bool enabled;
  } withA[] = {{"FilePrintInfo", true},   // bound in A
               {"FilePrint", false},      // bound, but A's EnableMenuItems says no
               {"FilePageSetup", false},  // nobody serves it
               {"AppAbout", true},        // the application's
               {"FileQuit", true}};       // the layer's
  for (const auto& r : withA) {
    EXPECT_EQ(Named(r.name).Enabled(), r.enabled) << r.name;
    EXPECT_EQ(ActionOf(r.name)->isEnabled(), r.enabled) << r.name;
  }

  // The program's own setting wins over the automatic one until its window
  // closes.
  Script().enableMenuItems = nullptr;
  Named("FilePageSetup").SetEnabled(true);
  Named("FilePrintInfo").SetEnabled(false);
  OpenMenu("FileMenu");
  EXPECT_TRUE(Named("FilePageSetup").Enabled());
  EXPECT_FALSE(Named("FilePrintInfo").Enabled());
  fw::Window& b = OpenB();
  a.Close();
  ASSERT_EQ(fw::Window::FrontWindow(), &b);
  OpenMenu("FileMenu");
  EXPECT_FALSE(Named("FilePageSetup").Enabled());
  EXPECT_FALSE(Named("FilePrintInfo").Enabled());  // B does not serve it
  EXPECT_TRUE(Named("AppAbout").Enabled());
}

// A window's own setting holds while that window is in front: with
// another window in front the item goes by who serves it there.
TEST_F(Menus, AWindowsOwnSettingHoldsWhileItIsInFront) {
  app.AddMenuHandler("FilePrint", [] { return true; });
  fw::Window& a = OpenA();
  Named("FilePrint").SetEnabled(false);
  OpenMenu("FileMenu");
  EXPECT_FALSE(Named("FilePrint").Enabled());
  fw::Window& b = OpenB();
  ASSERT_EQ(fw::Window::FrontWindow(), &b);
  OpenMenu("FileMenu");
  EXPECT_TRUE(Named("FilePrint").Enabled());  // the application serves it
  a.Show();
  OpenMenu("FileMenu");
  EXPECT_FALSE(Named("FilePrint").Enabled());
}

TEST_F(Menus, AnItemRunsInTheFrontWindowElseTheApplication) {
  app.AddMenuHandler("FilePrint", [] {
    Log() << QStringLiteral("App: FilePrint");
    return true;
  });
  fw::Window& a = OpenA();
  fw::Window& b = OpenB();
  Log().clear();
  ActionOf("FilePrint")->trigger();
  a.Show();
  ActionOf("FilePrint")->trigger();
  ActionOf("AppAbout")->trigger();
  EXPECT_EQ(Log(), (QStringList{"App: FilePrint", "A: FilePrint", "App: AppAbout"}));
  (void)b;
}

TEST_F(Menus, ShortcutsReachTheirItemsAndCmdShiftPIsNotCmdP) {
  fw::Window& a = OpenA();
  Activate(a);
  Log().clear();
  QWidget* field = a.Ctl<fw::TextField>("Field").widget();
  QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Entries("A: File"), (QStringList{"A: FilePrint", "A: FilePrintInfo"}));
  QTest::keyClick(field, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(Entries("A: Close"), QStringList{"A: Close"});
}

// Ctrl+A in a text field: the window's EditSelectAll while it serves the
// item and has it enabled, else the field's own select-all.
TEST_F(Menus, CtrlAGoesToTheServedItemElseToTheField) {
  bool enabled = true;
  fw::Window& a = OpenA(false);
  Script().enableMenuItems = [&](fw::Window&) { Named("EditSelectAll").SetEnabled(enabled); };
  Activate(a);
  auto* field = static_cast<QLineEdit*>(a.Ctl<fw::TextField>("Field").widget());
  a.Ctl<fw::TextField>("Field").SetFocus();
  field->deselect();
  Log().clear();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Entries("A: Edit"), QStringList{"A: EditSelectAll"});
  EXPECT_FALSE(field->hasSelectedText());

  enabled = false;
  Log().clear();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(Entries("A: Edit").isEmpty());
  EXPECT_EQ(field->selectedText(), "abc");

  Script().enableMenuItems = nullptr;
  fw::Window& b = OpenB();
  Activate(b);
  auto* other = static_cast<QLineEdit*>(b.Ctl<fw::TextField>("Field").widget());
  b.Ctl<fw::TextField>("Field").SetFocus();
  other->deselect();
  QTest::keyClick(other, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(other->selectedText(), "xyz");
}

TEST_F(Menus, TheStandardEditItemsActOnTheFocusedField) {
  fw::Window& b = OpenB();
  auto& field = b.Ctl<fw::TextField>("Field");
  field.SetFocus();
  OpenMenu("EditMenu");
  EXPECT_TRUE(Named("EditSelectAll").Enabled());
  EXPECT_FALSE(Named("EditClear").Enabled());  // nothing selected
  ActionOf("EditSelectAll")->trigger();
  OpenMenu("EditMenu");
  EXPECT_TRUE(Named("EditClear").Enabled());
  ActionOf("EditClear")->trigger();
  EXPECT_EQ(field.Text(), "");
}

TEST_F(Menus, QuitClosesTheWindowsFrontToBackThenQuits) {
  OpenA();
  OpenB();
  Log().clear();
  ActionOf("FileQuit")->trigger();
  EXPECT_EQ(Entries("A: Close") + Entries("B: Close"), (QStringList{"A: Close", "B: Close"}));
  EXPECT_EQ(Log().filter("Close"), (QStringList{"B: Close", "A: Close"}));
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
