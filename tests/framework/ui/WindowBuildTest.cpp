// A window's build: the order of its steps, that no event fires during it,
// and how the declared controls end up in the content area.

#include "UiTestSupport.h"

#include "framework/ui/ControlSupport.h"

#include <QMenuBar>
#include <QWidget>

using namespace ui_test;
using fw::ControlClass;

namespace {

// Every control class the layer makes, with design values that Qt would
// report as changes (a first tab, a first pop-up entry, a checked box).
std::vector<fw::ControlDecl> EveryKind() {
  using enum ControlClass;
  // clang-format off
  return {
      {.cls = kTabPanel, .name = "Tabs", .width = 300, .height = 200, .items = {"Eins", "Zwei"}, .listIndex = 0},
      {.cls = kPopupMenu, .name = "Popup", .left = 10, .top = 40, .width = 100, .height = 20, .parent = "Tabs",
       .page = 1, .items = {"a", "b", "c"}, .listIndex = 2},
      {.cls = kCheckBox, .name = "Check", .left = 10, .top = 70, .width = 100, .height = 20, .parent = "Tabs",
       .page = 1, .text = "Haken", .checked = true},
      {.cls = kTextField, .name = "Field", .left = 10, .top = 100, .width = 100, .height = 22, .parent = "Tabs",
       .page = 2, .text = "vorbelegt"},
      {.cls = kListbox, .name = "List", .left = 120, .top = 40, .width = 150, .height = 100, .parent = "Tabs",
       .page = 1, .items = {"X", "Y"}, .columnCount = 2, .hasHeading = true},
      {.cls = kDisclosureTriangle, .name = "Triangle", .left = 10, .top = 130, .width = 18, .height = 18,
       .parent = "Tabs", .page = 2, .checked = true},
  };
  // clang-format on
}

// Binds every event of every control to a log line.
void LogEveryEvent(fw::Window& w, fw::Control& c) {
  auto note = [&w, name = c.Name()](const char* event) {
    return [&w, name, event] { static_cast<TestWindow&>(w).Note(name + " " + event); };
  };
  if (auto* t = dynamic_cast<fw::TabPanel*>(&c)) t->Change = note("Change");
  if (auto* p = dynamic_cast<fw::PopupMenu*>(&c)) p->Change = note("Change");
  if (auto* b = dynamic_cast<fw::CheckBox*>(&c)) b->Action = note("Action");
  if (auto* f = dynamic_cast<fw::TextField*>(&c)) f->TextChange = note("TextChange");
  if (auto* l = dynamic_cast<fw::Listbox*>(&c)) l->Change = note("Change");
  if (auto* d = dynamic_cast<fw::DisclosureTriangle*>(&c)) d->Action = note("Action");
  if (auto* r = dynamic_cast<fw::RectControl*>(&c)) r->Open = note("Open");
}

class WindowBuild : public UiTest {};

TEST_F(WindowBuild, StepsRunInOrderAndNothingFiresMeanwhile) {
  Script().controls = EveryKind();
  Script().bind = LogEveryEvent;
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  EXPECT_EQ(Log(),
            (QStringList{"A: Layout", "A: CreateControls", "A: Bind Tabs", "A: Bind Popup",
                         "A: Bind Check", "A: Bind Field", "A: Bind List", "A: Bind Triangle",
                         "A: AddMenuHandlers", "A: Tabs Open", "A: Popup Open", "A: Check Open",
                         "A: Field Open", "A: List Open", "A: Triangle Open", "A: Open"}));
  EXPECT_TRUE(w.IsVisible());
  EXPECT_EQ(fw::Window::FindOpen(typeid(WindowA)), &w);
  EXPECT_EQ(&fw::Window::SharedInstance<WindowA>(), &w);

  // The design values arrived.
  EXPECT_EQ(w.Ctl<fw::PopupMenu>("Popup").ListIndex(), 2);
  EXPECT_TRUE(w.Ctl<fw::CheckBox>("Check").Value());
  EXPECT_EQ(w.Ctl<fw::TextField>("Field").Text(), "vorbelegt");
  EXPECT_EQ(w.Ctl<fw::TabPanel>("Tabs").PanelCount(), 2);
  EXPECT_TRUE(w.Ctl<fw::DisclosureTriangle>("Triangle").Value());
  EXPECT_EQ(w.Ctl<fw::Listbox>("List").Heading(1), "Y");
}

// clang-format off
TEST_F(WindowBuild, ControlOpenEventsSeeTheControlsMadeAfterThem) {
  Script().controls = {{.cls = ControlClass::kLabel, .name = "First"},
                       {.cls = ControlClass::kLabel, .name = "Second", .text = "da"}};
  Script().bind = [](fw::Window& w, fw::Control& c) {
    if (c.Name() == "First")
      dynamic_cast<fw::Label&>(c).Open = [&w] { Log() << w.Ctl<fw::Label>("Second").Text(); };
  };
  // clang-format on
  fw::Window::SharedInstance<WindowA>();
  EXPECT_EQ(Entries("da"), QStringList{"da"});
}

TEST_F(WindowBuild, DesignGivesTitleContentSizeLimitsAndButtons) {
  fw::MenuBar bar;
  auto menu = std::make_unique<fw::MenuItem>();
  menu->SetText("Datei");
  bar.Append(std::move(menu));
  Script().menuBar = &bar;
  Script().design = {.title = "Fenster",
                     .width = 640,
                     .height = 420,
                     .minWidth = 640,
                     .minHeight = 300,
                     .maxWidth = 640,
                     .maxHeight = 32000,
                     .maximizeButton = false};
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  QWidget* top = w.widget();
  EXPECT_EQ(top->windowTitle(), "Fenster");
  EXPECT_EQ(w.Width(), 640);
  EXPECT_EQ(w.Height(), 420);
  EXPECT_EQ(top->minimumWidth(), 640);
  EXPECT_EQ(top->maximumWidth(), 640);
  EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);

  auto* menuBar = top->findChild<QMenuBar*>();
  ASSERT_NE(menuBar, nullptr);
  EXPECT_EQ(menuBar->actions().size(), 1);
  EXPECT_EQ(top->height(), 420 + menuBar->height());

  w.SetHeight(100);
  EXPECT_EQ(w.Height(), 300);
  w.SetHeight(700);
  EXPECT_EQ(w.Height(), 700);
  EXPECT_EQ(w.Width(), 640);
  w.Close();
}

TEST_F(WindowBuild, HiddenByDesignAndNotResizable) {
  Script().design = {.width = 600,
                     .height = 112,
                     .minWidth = 64,
                     .minHeight = 64,
                     .closeButton = false,
                     .resizeable = false,
                     .minimizeButton = false,
                     .maximizeButton = false,
                     .visible = false};
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  EXPECT_FALSE(w.IsVisible());
  EXPECT_FALSE(w.widget()->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(w.widget()->minimumSize(), w.widget()->maximumSize());
  w.SetHeight(150);
  EXPECT_EQ(w.Height(), 150);
  EXPECT_EQ(w.widget()->minimumHeight(), 150);
}

// Positions are the content area's, also inside a group on a tab page; the
// locks move and stretch with the height.
TEST_F(WindowBuild, PlacementAndLocks) {
  using enum ControlClass;
  Script().design = {.width = 400, .height = 300};
  // clang-format off
  Script().controls = {
      {.cls = kTabPanel, .name = "Tabs", .left = -8, .top = 14, .width = 416, .height = 298,
       .locks = fw::kLTRB, .items = {"Eins"}},
      {.cls = kGroupBox, .name = "Group", .left = 20, .top = 150, .width = 360, .height = 130,
       .parent = "Tabs", .page = 1, .locks = fw::kLRB, .text = " "},
      {.cls = kTextField, .name = "InGroup", .left = 40, .top = 200, .width = 100, .height = 22,
       .parent = "Group", .page = 1, .locks = fw::kLRB},
      {.cls = kListbox, .name = "Grows", .left = 20, .top = 50, .width = 360, .height = 90,
       .parent = "Tabs", .page = 1, .locks = fw::kLTRB},
      {.cls = kLabel, .name = "Stays", .left = 300, .top = 30, .width = 50, .height = 16,
       .parent = "Tabs", .page = 1, .locks = fw::kLT},
  };
  // clang-format on
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  auto at = [&w](const char* name) {
    const auto& c = w.Ctl<fw::RectControl>(name);
    QWidget* widget = c.widget();
    const QPoint global = widget->mapTo(w.widget(), QPoint(0, 0));
    const QPoint base = w.Ctl<fw::RectControl>("Tabs").widget()->mapTo(w.widget(), QPoint(8, -14));
    return QRect(global - base, widget->size());
  };
  EXPECT_EQ(at("InGroup"), QRect(40, 200, 100, 22));
  EXPECT_EQ(at("Stays"), QRect(300, 30, 50, 16));

  w.SetHeight(400);  // 100 taller
  EXPECT_EQ(at("InGroup"), QRect(40, 300, 100, 22));
  EXPECT_EQ(at("Grows"), QRect(20, 50, 360, 190));
  EXPECT_EQ(at("Stays"), QRect(300, 30, 50, 16));
  const auto& group = w.Ctl<fw::RectControl>("Group");
  EXPECT_EQ(QRect(group.Left(), group.Top(), group.Width(), group.Height()),
            QRect(20, 250, 360, 130));
  EXPECT_EQ(w.Ctl<fw::RectControl>("Tabs").Height(), 398);
}

TEST_F(WindowBuild, PageControlsShowOnlyOnTheirPage) {
  using enum ControlClass;
  // clang-format off
  Script().controls = {
      {.cls = kTabPanel, .name = "Tabs", .width = 300, .height = 200, .items = {"Eins", "Zwei"}},
      {.cls = kGroupBox, .name = "Group", .left = 10, .top = 30, .width = 200, .height = 100,
       .parent = "Tabs", .page = 2},
      {.cls = kCheckBox, .name = "OnTwo", .left = 20, .top = 50, .width = 100, .height = 20,
       .parent = "Group", .page = 2},
      {.cls = kPushButton, .name = "OnOne", .left = 10, .top = 30, .width = 80, .height = 20,
       .parent = "Tabs", .page = 1},
  };
  // clang-format on
  Script().bind = LogEveryEvent;
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  auto shown = [&w](const char* name) {
    return w.Ctl<fw::RectControl>(name).widget()->isVisible();
  };
  auto& tabs = w.Ctl<fw::TabPanel>("Tabs");
  EXPECT_EQ(tabs.Value(), 0);
  EXPECT_TRUE(shown("OnOne"));
  EXPECT_FALSE(shown("OnTwo"));

  Log().clear();
  tabs.SetValue(1);
  EXPECT_TRUE(shown("OnTwo"));
  EXPECT_FALSE(shown("OnOne"));
  tabs.SetValue(1);
  tabs.SetValue(7);
  EXPECT_EQ(Log(), QStringList{"A: Tabs Change"});

  // Hidden by its own setting, it stays hidden on its page.
  w.Ctl<fw::RectControl>("OnOne").SetVisible(false);
  tabs.SetValue(0);
  EXPECT_FALSE(shown("OnOne"));
  EXPECT_FALSE(w.Ctl<fw::RectControl>("OnOne").Visible());
}

TEST_F(WindowBuild, DisablingAGroupDisablesWhatItHolds) {
  using enum ControlClass;
  // clang-format off
  Script().controls = {
      {.cls = kGroupBox, .name = "Group", .width = 200, .height = 100, .enabled = false},
      {.cls = kTextField, .name = "Inside", .left = 10, .top = 30, .width = 100, .height = 22, .parent = "Group"},
      {.cls = kPushButton, .name = "Off", .left = 10, .top = 60, .width = 80, .height = 20, .parent = "Group",
       .enabled = false},
  };
  // clang-format on
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  auto& group = w.Ctl<fw::GroupBox>("Group");
  auto& inside = w.Ctl<fw::TextField>("Inside");
  EXPECT_FALSE(inside.widget()->isEnabled());
  EXPECT_TRUE(inside.Enabled());  // its own setting
  group.SetEnabled(true);
  EXPECT_TRUE(inside.widget()->isEnabled());
  EXPECT_FALSE(w.Ctl<fw::PushButton>("Off").widget()->isEnabled());
  group.SetEnabled(false);
  EXPECT_FALSE(inside.widget()->isEnabled());
}

TEST_F(WindowBuild, TabOrderPerParentAndFocusPolicies) {
  using enum ControlClass;
  // clang-format off
  Script().controls = {
      {.cls = kTextField, .name = "Third", .top = 0, .width = 50, .height = 22, .tabIndex = 2},
      {.cls = kGroupBox, .name = "Group", .top = 30, .width = 200, .height = 100, .tabIndex = 1},
      {.cls = kTextField, .name = "InGroupSecond", .top = 60, .width = 50, .height = 22, .parent = "Group",
       .tabIndex = 1},
      {.cls = kTextField, .name = "InGroupFirst", .top = 90, .width = 50, .height = 22, .parent = "Group",
       .tabIndex = 0},
      {.cls = kTextField, .name = "First", .top = 140, .width = 50, .height = 22, .tabIndex = 0},
      {.cls = kCheckBox, .name = "NoStop", .top = 170, .width = 50, .height = 20, .tabIndex = 3, .tabStop = false},
      {.cls = kPushButton, .name = "NoFocus", .top = 200, .width = 50, .height = 20, .tabIndex = 4,
       .acceptFocus = false},
      {.cls = kBevelButton, .name = "Bevel", .top = 230, .width = 20, .height = 20, .tabIndex = 5},
  };
  // clang-format on
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  auto widget = [&w](const char* name) { return w.Ctl<fw::RectControl>(name).widget(); };
  QStringList order;
  QWidget* at = widget("First");
  for (int i = 0; i < 4; ++i) {
    for (const auto& c : w.Controls())
      if (c->widget() == at) order << c->Name();
    do at = at->nextInFocusChain();
    while (!(at->focusPolicy() & Qt::TabFocus));
  }
  EXPECT_EQ(order, (QStringList{"First", "InGroupFirst", "InGroupSecond", "Third"}));
  EXPECT_EQ(widget("NoStop")->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(widget("NoFocus")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(widget("Bevel")->focusPolicy(), Qt::NoFocus);
}

}  // namespace

// "No stop" holds for every class: a tab panel, whose tab bar Qt focuses by
// the Tab key only, then takes no focus at all; declared a stop it keeps its
// own. A click still focuses the controls that take a click's focus.
TEST_F(WindowBuild, EveryControlDeclaredNoStopIsPassedByTheTabKey) {
  using enum ControlClass;
  // clang-format off
  Script().controls = {
      {.cls = kTabPanel, .name = "PanelNoStop", .width = 300, .height = 100, .tabIndex = 0, .tabStop = false,
       .items = {"Eins", "Zwei"}, .listIndex = 0},
      {.cls = kTabPanel, .name = "PanelStop", .top = 100, .width = 300, .height = 100, .tabIndex = 1,
       .items = {"Eins"}, .listIndex = 0},
      {.cls = kTextField, .name = "FieldNoStop", .top = 200, .width = 50, .height = 22, .tabIndex = 2,
       .tabStop = false},
      {.cls = kListbox, .name = "ListNoStop", .top = 230, .width = 50, .height = 50, .tabIndex = 3,
       .tabStop = false},
      {.cls = kTextArea, .name = "AreaNoStop", .top = 290, .width = 50, .height = 50, .tabIndex = 4,
       .tabStop = false},
  };
  // clang-format on
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  auto focus = [&w](const char* name) { return fw::ui::FocusTarget(w.Ctl<fw::RectControl>(name)); };
  EXPECT_EQ(focus("PanelNoStop")->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(focus("PanelStop")->focusPolicy() & Qt::TabFocus);
  for (const char* name : {"FieldNoStop", "ListNoStop", "AreaNoStop"})
    EXPECT_EQ(focus(name)->focusPolicy(), Qt::ClickFocus) << name;
}
