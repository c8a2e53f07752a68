// The control classes' rules, one table per class: events on every real
// change (by the user or the program) and never without one, texts given
// back exactly, and the pop-up that never selects by itself.

#include "UiTestSupport.h"
#include "support/Waits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCursor>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

using namespace ui_test;
using namespace Qt::StringLiterals;
using fw::ControlClass;

namespace {

class Controls : public UiTest {
 protected:
  // A shown window holding `controls`; every event counts in `events`.
  fw::Window& Host(std::vector<fw::ControlDecl> controls) {
    Script().controls = std::move(controls);
    Script().bind = [this](fw::Window&, fw::Control& c) {
      auto count = [this, name = c.Name()](const char* event) {
        return [this, name, event] { events << name + " " + event; };
      };
      if (auto* p = dynamic_cast<fw::PopupMenu*>(&c)) p->Change = count("Change");
      if (auto* b = dynamic_cast<fw::CheckBox*>(&c)) b->Action = count("Action");
      if (auto* b = dynamic_cast<fw::PushButton*>(&c)) b->Action = count("Action");
      if (auto* b = dynamic_cast<fw::BevelButton*>(&c)) b->Action = count("Action");
      if (auto* t = dynamic_cast<fw::TabPanel*>(&c)) t->Change = count("Change");
      if (auto* t = dynamic_cast<fw::DisclosureTriangle*>(&c)) t->Action = count("Action");
      if (auto* f = dynamic_cast<fw::TextField*>(&c)) {
        f->TextChange = count("TextChange");
        f->LostFocus = count("LostFocus");
      }
    };
    fw::Window& w = fw::Window::SharedInstance<WindowA>();
    events.clear();
    return w;
  }

  static void Activate(fw::Window& w) {
    w.widget()->activateWindow();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
  }

  QStringList events;
};

struct PopupStep {
  const char* what;
  std::function<void(fw::PopupMenu&)> step;
  int index;
  const char* text;
  int changes;  // Change events so far
};

TEST_F(Controls, PopupMenuNeverSelectsByItself) {
  fw::Window& w =
      Host({{.cls = ControlClass::kPopupMenu, .name = "P", .width = 100, .height = 20}});
  auto& p = w.Ctl<fw::PopupMenu>("P");
  auto* box = static_cast<QComboBox*>(p.widget());
  const PopupStep steps[] = {
      {"a first entry", [](auto& p) { p.AddRow("a"); }, -1, "", 0},
      {"more entries",
       [](auto& p) {
         p.AddRow("b");
         p.AddRow("c");
       },
       -1, "", 0},
      {"the program selects", [](auto& p) { p.SetListIndex(1); }, 1, "b", 1},
      {"the same again", [](auto& p) { p.SetListIndex(1); }, 1, "b", 1},
      {"out of range", [](auto& p) { p.SetListIndex(3); }, -1, "", 2},
      {"nothing again", [](auto& p) { p.SetListIndex(-5); }, -1, "", 2},
      {"the last", [](auto& p) { p.SetListIndex(2); }, 2, "c", 3},
      {"removing one before it", [](auto& p) { p.RemoveRow(0); }, 1, "c", 4},
      {"adding after it", [](auto& p) { p.AddRow("d"); }, 1, "c", 4},
      {"removing one after it", [](auto& p) { p.RemoveRow(2); }, 1, "c", 4},
      {"removing out of range", [](auto& p) { p.RemoveRow(9); }, 1, "c", 4},
      {"removing the selected", [](auto& p) { p.RemoveRow(1); }, -1, "", 5},
      {"emptying without a selection", [](auto& p) { p.DeleteAllRows(); }, -1, "", 5},
      {"refilled",
       [](auto& p) {
         p.AddRow("x");
         p.AddRow("y");
       },
       -1, "", 5},
      {"the user chooses", [box](auto&) { box->setCurrentIndex(1); }, 1, "y", 6},
      {"emptying the selection", [](auto& p) { p.DeleteAllRows(); }, -1, "", 7},
      {"filled again", [](auto& p) { p.AddRow("z"); }, -1, "", 7},
  };
  for (const PopupStep& s : steps) {
    s.step(p);
    EXPECT_EQ(p.ListIndex(), s.index) << s.what;
    EXPECT_EQ(p.Text(), s.text) << s.what;
    EXPECT_EQ(box->currentIndex(), s.index) << s.what;
    EXPECT_EQ(events.size(), s.changes) << s.what;
  }
  EXPECT_EQ(p.List(0), "z");
  EXPECT_EQ(p.List(1), "");
}

TEST_F(Controls, CheckBoxActsOnEveryToggleAndOnlyThen) {
  fw::Window& w = Host(
      {{.cls = ControlClass::kCheckBox, .name = "C", .width = 100, .height = 20, .text = "Surr"}});
  auto& c = w.Ctl<fw::CheckBox>("C");
  auto* box = static_cast<QAbstractButton*>(c.widget());
  const struct {
    const char* what;
    std::function<void()> step;
    bool value;
    int actions;
  } steps[] = {
      {"unchanged", [&] { c.SetValue(false); }, false, 0},
      {"set by the program", [&] { c.SetValue(true); }, true, 1},
      {"set again", [&] { c.SetValue(true); }, true, 1},
      {"clicked", [&] { box->click(); }, false, 2},
      {"clicked while disabled",
       [&] {
         c.SetEnabled(false);
         box->click();
       },
       false, 2},
  };
  for (const auto& s : steps) {
    s.step();
    EXPECT_EQ(c.Value(), s.value) << s.what;
    EXPECT_EQ(events.size(), s.actions) << s.what;
  }
}

TEST_F(Controls, PushButtonsPushAndTheKeysOfTheWindow) {
  using enum ControlClass;
  // clang-format off
  fw::Window& w = Host({
      {.cls = kTextField, .name = "Field", .width = 100, .height = 22},
      {.cls = kTextField, .name = "Tall", .top = 30, .width = 100, .height = 40},
      {.cls = kPushButton, .name = "Ok", .top = 80, .width = 80, .height = 20, .defaultButton = true},
      {.cls = kPushButton, .name = "Cancel", .left = 100, .top = 80, .width = 80, .height = 20,
       .cancelButton = true},
  });
  // clang-format on
  Activate(w);
  auto& ok = w.Ctl<fw::PushButton>("Ok");
  QWidget* field = w.Ctl<fw::TextField>("Field").widget();
  QWidget* tall = w.Ctl<fw::TextField>("Tall").widget();
  EXPECT_TRUE(ok.Default());
  EXPECT_FALSE(ok.Cancel());
  const struct {
    const char* what;
    std::function<void()> step;
    QStringList expected;
  } steps[] = {
      {"Push", [&] { ok.Push(); }, {"Ok Action"}},
      {"Push while disabled",
       [&] {
         ok.SetEnabled(false);
         ok.Push();
       },
       {"Ok Action"}},
      {"a click while disabled", [&] { static_cast<QAbstractButton*>(ok.widget())->click(); }, {}},
      {"Return while disabled", [&] { QTest::keyClick(field, Qt::Key_Return); }, {}},
      // As a click would, the key moves the focus to the button first.
      {"Return",
       [&] {
         ok.SetEnabled(true);
         QTest::keyClick(field, Qt::Key_Return);
       },
       {"Field LostFocus", "Ok Action"}},
      {"Enter in a tall field", [&] { QTest::keyClick(tall, Qt::Key_Enter); }, {"Ok Action"}},
      {"Return while hidden",
       [&] {
         ok.SetVisible(false);
         QTest::keyClick(field, Qt::Key_Return);
       },
       {}},
      {"Escape", [&] { QTest::keyClick(field, Qt::Key_Escape); }, {"Cancel Action"}},
  };
  for (const auto& s : steps) {
    events.clear();
    s.step();
    EXPECT_EQ(events, s.expected) << s.what;
  }
  EXPECT_TRUE(qobject_cast<QLineEdit*>(tall));  // a field stays single-line
}

TEST_F(Controls, TextFieldChangesAndLosesTheFocusOnlyWithinItsWindow) {
  using enum ControlClass;
  // clang-format off
  fw::Window& w = Host({
      {.cls = kTextField, .name = "One", .width = 100, .height = 22},
      {.cls = kTextField, .name = "Two", .top = 30, .width = 100, .height = 22},
      {.cls = kPopupMenu, .name = "Popup", .top = 60, .width = 100, .height = 20, .items = {"a"}},
  });
  // clang-format on
  Activate(w);
  auto& one = w.Ctl<fw::TextField>("One");
  auto& two = w.Ctl<fw::TextField>("Two");
  Script() = WindowScript{};
  fw::Window* other = nullptr;
  const struct {
    const char* what;
    std::function<void()> step;
    QStringList expected;
  } steps[] = {
      {"set", [&] { one.SetText("Titel"); }, {"One TextChange"}},
      {"set unchanged", [&] { one.SetText("Titel"); }, {}},
      {"typed",
       [&] {
         one.SetFocus();
         QTest::keyClick(one.widget(), Qt::Key_X);
       },
       {"One TextChange"}},
      {"to the next field", [&] { two.SetFocus(); }, {"One LostFocus"}},
      {"to a pop-up of the window",
       [&] { w.Ctl<fw::RectControl>("Popup").SetFocus(); },
       {"Two LostFocus"}},
      {"to another window",
       [&] {
         one.SetFocus();
         events.clear();
         other = &fw::Window::SharedInstance<WindowB>();
         Activate(*other);
       },
       {}},
      {"back again", [&] { Activate(w); }, {}},
  };
  for (const auto& s : steps) {
    events.clear();
    s.step();
    EXPECT_EQ(events, s.expected) << s.what;
  }
  EXPECT_EQ(one.Text(), "Titelx");
  EXPECT_TRUE(one.HasFocus());
  EXPECT_EQ(w.Focus(), &one);
}

// No length limit: a text longer than Qt's default maximum of 32,767
// characters for a field comes back whole, set by the program as typed or
// pasted by the user; a text area has none either. (No pop-up takes typed
// text.)
TEST_F(Controls, TextFieldAndTextAreaHaveNoLengthLimit) {
  using enum ControlClass;
  fw::Window& w = Host({{.cls = kTextField, .name = "Field", .width = 100, .height = 22},
                        {.cls = kTextArea, .name = "Area", .top = 30, .width = 100, .height = 60}});
  Activate(w);
  auto& field = w.Ctl<fw::TextField>("Field");
  QString text;
  for (int i = 0; text.size() < 40000; ++i) text += QString::number(i % 10) + u"ä"_s;
  text.truncate(40000);
  field.SetText(text);
  EXPECT_EQ(field.Text().size(), 40000);
  EXPECT_EQ(field.Text(), text);
  field.SetFocus();
  auto* edit = static_cast<QLineEdit*>(field.widget());
  edit->end(false);
  QTest::keyClick(edit, Qt::Key_X);
  EXPECT_EQ(field.Text(), text + u"x"_s);
  edit->selectAll();
  edit->insert(text + text);  // as a paste does
  EXPECT_EQ(field.Text().size(), 80000);
  auto& area = w.Ctl<fw::TextArea>("Area");
  area.SetText(text + u"\rzwei"_s);
  EXPECT_EQ(area.Text(), text + u"\rzwei"_s);
  static_cast<QPlainTextEdit*>(area.widget())->appendPlainText(u"x"_s);  // as typed
  EXPECT_EQ(area.Text(), text + u"\nzwei\nx"_s);
}

TEST_F(Controls, TextsComeBackExactlyAndShowPlain) {
  using enum ControlClass;
  // clang-format off
  fw::Window& w = Host({
      {.cls = kLabel, .name = "Label", .width = 200, .height = 40},
      {.cls = kGroupBox, .name = "Group", .top = 50, .width = 200, .height = 60},
      {.cls = kCheckBox, .name = "Check", .top = 120, .width = 200, .height = 20},
      {.cls = kPushButton, .name = "Button", .top = 150, .width = 200, .height = 20},
      {.cls = kBevelButton, .name = "Bevel", .top = 180, .width = 20, .height = 20},
      {.cls = kTextField, .name = "Field", .top = 210, .width = 200, .height = 22},
      {.cls = kTextArea, .name = "Area", .top = 240, .width = 200, .height = 60, .readOnly = true},
  });
  // clang-format on
  const QString texts[] = {
      " ", "", "Löschen bestätgen?", "a & b", "<b>fett</b>", "Zeile 1\rZeile 2"};
  for (const QString& t : texts) {
    w.Ctl<fw::Label>("Label").SetText(t);
    w.Ctl<fw::GroupBox>("Group").SetCaption(t);
    w.Ctl<fw::CheckBox>("Check").SetCaption(t);
    w.Ctl<fw::PushButton>("Button").SetCaption(t);
    w.Ctl<fw::BevelButton>("Bevel").SetCaption(t);
    w.Ctl<fw::TextField>("Field").SetText(t);
    w.Ctl<fw::TextArea>("Area").SetText(t);
    EXPECT_EQ(w.Ctl<fw::Label>("Label").Text(), t);
    EXPECT_EQ(w.Ctl<fw::GroupBox>("Group").Caption(), t);
    EXPECT_EQ(w.Ctl<fw::CheckBox>("Check").Caption(), t);
    EXPECT_EQ(w.Ctl<fw::PushButton>("Button").Caption(), t);
    EXPECT_EQ(w.Ctl<fw::BevelButton>("Bevel").Caption(), t);
    EXPECT_EQ(w.Ctl<fw::TextField>("Field").Text(), t);
    EXPECT_EQ(w.Ctl<fw::TextArea>("Area").Text(), t);
  }
  auto* label = static_cast<QLabel*>(w.Ctl<fw::Label>("Label").widget());
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(label->text(), "Zeile 1\nZeile 2");
  auto* area = static_cast<QPlainTextEdit*>(w.Ctl<fw::TextArea>("Area").widget());
  EXPECT_EQ(area->toPlainText(), "Zeile 1\nZeile 2");
  EXPECT_TRUE(area->isReadOnly());
  // What the user typed comes back as typed.
  area->setPlainText("neu");
  EXPECT_EQ(w.Ctl<fw::TextArea>("Area").Text(), "neu");
}

TEST_F(Controls, TabPanelChangesOnRealChangesOnly) {
  fw::Window& w = Host({{.cls = ControlClass::kTabPanel,
                         .name = "Tabs",
                         .width = 300,
                         .height = 200,
                         .items = {"Eingabe", "Optionen"}}});
  auto& tabs = w.Ctl<fw::TabPanel>("Tabs");
  auto* bar = tabs.widget()->findChild<QTabBar*>();
  const struct {
    const char* what;
    std::function<void()> step;
    int value;
    int changes;
  } steps[] = {
      {"as built", [] {}, 0, 0},
      {"the same page", [&] { tabs.SetValue(0); }, 0, 0},
      {"no such page", [&] { tabs.SetValue(2); }, 0, 0},
      {"the program", [&] { tabs.SetValue(1); }, 1, 1},
      {"the user", [&] { bar->setCurrentIndex(0); }, 0, 2},
  };
  for (const auto& s : steps) {
    s.step();
    EXPECT_EQ(tabs.Value(), s.value) << s.what;
    EXPECT_EQ(bar->currentIndex(), s.value) << s.what;
    EXPECT_EQ(events.size(), s.changes) << s.what;
  }
  EXPECT_EQ(tabs.Caption(1), "Optionen");
  EXPECT_EQ(tabs.Caption(2), "");
}

TEST_F(Controls, DisclosureTriangleAndBevelButtonActOnClicks) {
  using enum ControlClass;
  // clang-format off
  fw::Window& w = Host({{.cls = kDisclosureTriangle, .name = "T", .width = 18, .height = 18, .acceptFocus = false},
                        {.cls = kBevelButton, .name = "B", .top = 20, .width = 20, .height = 20, .text = "+"}});
  // clang-format on
  auto& t = w.Ctl<fw::DisclosureTriangle>("T");
  auto* triangle = static_cast<QAbstractButton*>(t.widget());
  auto* bevel = static_cast<QAbstractButton*>(w.Ctl<fw::BevelButton>("B").widget());
  const struct {
    const char* what;
    std::function<void()> step;
    bool value;
    QStringList expected;
  } steps[] = {
      {"a click opens", [&] { triangle->click(); }, true, {"T Action"}},
      {"the program closes", [&] { t.SetValue(false); }, false, {}},
      {"a click on the bevel button", [&] { bevel->click(); }, false, {"B Action"}},
  };
  for (const auto& s : steps) {
    events.clear();
    s.step();
    EXPECT_EQ(t.Value(), s.value) << s.what;
    EXPECT_EQ(events, s.expected) << s.what;
  }
  EXPECT_EQ(triangle->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(bevel->focusPolicy(), Qt::NoFocus);
}

// Labels and canvases report the mouse alike: MouseUp only after a claimed
// MouseDown, the pointer's coming and going, and the cursor they set.
TEST_F(Controls, MouseControlsClaimAClickForTheirMouseUp) {
  fw::Window& w =
      Host({{.cls = ControlClass::kLabel, .name = "L", .width = 50, .height = 20, .text = ">"},
            {.cls = ControlClass::kCanvas, .name = "C", .top = 30, .width = 40, .height = 40}});
  for (const char* name : {"L", "C"}) {
    auto& c = w.Ctl<fw::MouseControl>(name);
    bool claim = false;
    c.MouseDown = [&](fw::Integer, fw::Integer) {
      events << "down";
      return claim;
    };
    c.MouseUp = [&](fw::Integer x, fw::Integer y) {
      events << QStringLiteral("up %1 %2").arg(x).arg(y);
    };
    c.MouseEnter = [&] { events << "enter"; };
    c.MouseExit = [&] { events << "exit"; };
    events.clear();
    QTest::mouseClick(c.widget(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(events, QStringList{"down"}) << name;
    claim = true;
    events.clear();
    QTest::mousePress(c.widget(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(events, QStringList{"down"}) << name;
    QTest::mouseRelease(c.widget(), Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(events, (QStringList{"down", "up 7 8"})) << name;

    events.clear();
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(c.widget(), &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(c.widget(), &leave);
    EXPECT_EQ(events, (QStringList{"enter", "exit"})) << name;

    c.SetMouseCursor(fw::MouseCursor::kFingerPointer);
    EXPECT_EQ(c.widget()->cursor().shape(), Qt::PointingHandCursor) << name;
    c.SetMouseCursor(fw::MouseCursor::kStandardPointer);
    EXPECT_EQ(c.widget()->cursor().shape(), Qt::ArrowCursor) << name;
  }
}

TEST_F(Controls, CanvasWithoutBackdropDrawsNothingAndTakesNoFocus) {
  fw::Window& w = Host({{.cls = ControlClass::kCanvas,
                         .name = "C",
                         .width = 40,
                         .height = 40,
                         .acceptFocus = false}});
  auto& canvas = w.Ctl<fw::Canvas>("C");
  EXPECT_TRUE(canvas.Backdrop().IsNil());
  EXPECT_EQ(canvas.widget()->focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(canvas.widget()->autoFillBackground());
  EXPECT_TRUE(fw::Picture::OpenFromApp("no/such/picture.png").IsNil());
}

}  // namespace
