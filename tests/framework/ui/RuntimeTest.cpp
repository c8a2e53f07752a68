// The run time: start-up order, quitting before and inside the loop, the
// application's Close event, AutoQuit and exceptions that escape handlers.

#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QTimer>

#include <stdexcept>

using namespace ui_test;

namespace {

class Runtime : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::RuntimeRegisterAppObject(&app);
  }
  TestApp app;
};

TEST_F(Runtime, OpenRunsBeforeTheDefaultWindowCallback) {
  fw::RunFrameworkInitialization([] { Log() << QStringLiteral("callback"); });
  EXPECT_EQ(Log(), (QStringList{"App: Open", "callback"}));
  EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(Runtime, QuitInOpenSkipsTheCallbackAndTheLoopAndGivesItsCode) {
  app.onOpen = [] { fw::Quit(3); };
  fw::RunFrameworkInitialization([] { Log() << QStringLiteral("callback"); });
  fw::RuntimeRun();  // must not block
  EXPECT_EQ(fw::RuntimeExit(), 3);
  EXPECT_EQ(fw::RuntimeExit(), 3);
  EXPECT_EQ(Log(), (QStringList{"App: Open", "App: Close"}));
}

TEST_F(Runtime, QuitInsideTheLoopEndsItWithTheCode) {
  QTimer::singleShot(0, [] { fw::Dispatch([] { fw::Quit(5); }); });
  fw::RuntimeRun();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 5);
  EXPECT_EQ(Entries("App: Close").size(), 1);
}

TEST_F(Runtime, AutoQuitWhenTheLastVisibleWindowCloses) {
  app.AutoQuit = true;
  Script().design.visible = false;
  fw::Window& hidden = fw::Window::SharedInstance<WindowB>();
  Script().design.visible = true;
  fw::Window& shown = fw::Window::SharedInstance<WindowA>();
  ASSERT_TRUE(shown.IsVisible());
  ASSERT_FALSE(hidden.IsVisible());
  shown.Close();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(Runtime, NoAutoQuitWhileAnotherWindowIsShownOrWhenOff) {
  app.AutoQuit = true;
  fw::Window& a = fw::Window::SharedInstance<WindowA>();
  fw::Window& b = fw::Window::SharedInstance<WindowB>();
  a.Close();
  EXPECT_FALSE(fw::QuitRequested());
  app.AutoQuit = false;
  b.Close();
  EXPECT_FALSE(fw::QuitRequested());
}

// A handler's exception: the message goes through the dialog seam and the
// run ends with a non-zero code; a nested program-side event's exception
// reaches the outermost dispatch and stops the handler there.
TEST_F(Runtime, AnEscapingExceptionIsShownAndQuitsWithOne) {
  fw::PushButton button;
  button.Action = [] { throw std::runtime_error("kaputt"); };
  bool after = false;
  fw::Dispatch([&] {
    button.Push();
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].contains(QStringLiteral("kaputt")));
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST_F(Runtime, AnExceptionFromAClickNeverLeavesTheDispatch) {
  Script().controls = {
      {.cls = fw::ControlClass::kPushButton, .name = "Go", .width = 80, .height = 20}};
  Script().bind = [](fw::Window&, fw::Control& c) {
    dynamic_cast<fw::PushButton&>(c).Action = [] { throw fw::NilObjectException("no object"); };
  };
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  static_cast<QAbstractButton*>(w.Ctl<fw::PushButton>("Go").widget())->click();
  EXPECT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_EQ(fw::RuntimeExit(), 1);
}

}  // namespace
