// Closing, hiding and the events that wait while a handler runs.

#include "UiTestSupport.h"
#include "support/Waits.h"

#include <QCloseEvent>
#include <QWidget>

using namespace ui_test;

namespace {

class WindowClose : public UiTest {};

void SendActivation(QWidget* w) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(w, &activate);
}

TEST_F(WindowClose, EveryWayRunsCloseOnceAndTheWindowIsGoneAtOnce) {
  const struct {
    const char* way;
    std::function<void(fw::Window&)> close;
  } ways[] = {
      {"Close", [](fw::Window& w) { w.Close(); }},
      {"the close box", [](fw::Window& w) { w.widget()->close(); }},
      {"the window manager",
       [](fw::Window& w) {
         QCloseEvent e;
         QCoreApplication::sendEvent(w.widget(), &e);
       }},
      {"a menu handler", [](fw::Window& w) { fw::Dispatch([&w] { w.Close(); }); }},
  };
  for (const auto& way : ways) {
    Log().clear();
    fw::Window& w = fw::Window::SharedInstance<WindowA>();
    const int destroyed = TestWindow::Destroyed();
    way.close(w);
    w.Close();  // a second time changes nothing
    EXPECT_EQ(Entries("A: Close"), QStringList{"A: Close"}) << way.way;
    EXPECT_EQ(fw::Window::FindOpen(typeid(WindowA)), nullptr) << way.way;
    EXPECT_TRUE(fw::Window::OpenWindows().empty()) << way.way;
    EXPECT_FALSE(w.IsVisible()) << way.way;
    EXPECT_EQ(TestWindow::Destroyed(), destroyed) << way.way;  // deleted later
    Settle();
    EXPECT_EQ(TestWindow::Destroyed(), destroyed + 1) << way.way;
  }
  Log().clear();
  fw::Window& fresh = fw::Window::SharedInstance<WindowA>();
  EXPECT_EQ(Entries("A: Open").size(), 1);
  EXPECT_EQ(fw::Window::FindOpen(typeid(WindowA)), &fresh);
}

TEST_F(WindowClose, WithoutACloseBoxTheWindowSystemCannotCloseIt) {
  Script().design.closeButton = false;
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  w.widget()->close();
  EXPECT_TRUE(Entries("A: Close").isEmpty());
  EXPECT_EQ(fw::Window::FindOpen(typeid(WindowA)), &w);
}

TEST_F(WindowClose, AHiddenWindowKeepsItsState) {
  Script().controls = {
      {.cls = fw::ControlClass::kTextField, .name = "F", .width = 100, .height = 22}};
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  w.Ctl<fw::TextField>("F").SetText("gesucht");
  w.Hide();
  EXPECT_FALSE(w.IsVisible());
  EXPECT_EQ(&fw::Window::SharedInstance<WindowA>(), &w);
  w.Show();
  EXPECT_TRUE(w.IsVisible());
  EXPECT_EQ(w.Ctl<fw::TextField>("F").Text(), "gesucht");
  EXPECT_TRUE(Entries("A: Close").isEmpty());
}

// A close box or an activation that arrives while a handler runs (in a
// modal dialog's loop) is delivered after the handler, and a window closed
// by a handler is not deleted under it.
// Show brings a window the user minimized back, as it was before (a
// maximized one maximized), also when it was hidden meanwhile, and gives it
// the keyboard: on top and active.
TEST_F(WindowClose, ShowRestoresAMinimizedWindowAndActivatesIt) {
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  fw::Window& other = fw::Window::SharedInstance<WindowB>();
  QWidget* q = w.widget();
  const struct {
    const char* what;
    std::function<void()> leave;
    Qt::WindowStates before;
  } ways[] = {
      {"minimized", [q] { q->showMinimized(); }, Qt::WindowNoState},
      {"minimized, then hidden",
       [q, &w] {
         q->showMinimized();
         w.Hide();
       },
       Qt::WindowNoState},
      {"maximized, then minimized",
       [q] {
         q->showMaximized();
         q->setWindowState(q->windowState() | Qt::WindowMinimized);
       },
       Qt::WindowMaximized},
  };
  for (const auto& way : ways) {
    q->setWindowState(Qt::WindowNoState);
    w.Show();
    way.leave();
    other.Show();
    ASSERT_TRUE(klangbuch_test::WaitUntilActive(other.widget())) << way.what;
    ASSERT_TRUE(q->isMinimized()) << way.what;
    w.Show();
    EXPECT_FALSE(q->isMinimized()) << way.what;
    EXPECT_EQ(q->windowState() & ~Qt::WindowActive, way.before) << way.what;
    EXPECT_TRUE(w.IsVisible()) << way.what;
    EXPECT_TRUE(klangbuch_test::WaitUntilActive(q)) << way.what;
    EXPECT_EQ(fw::Window::FrontWindow(), &w) << way.what;
  }
}

TEST_F(WindowClose, WindowSystemEventsWaitForTheRunningHandler) {
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  const int destroyed = TestWindow::Destroyed();
  Log().clear();
  fw::Dispatch([&] {
    SendActivation(w.widget());
    w.widget()->close();
    Log() << QStringLiteral("handler ends");
  });
  EXPECT_EQ(Log(), (QStringList{"handler ends", "A: Activate", "A: EnableMenuItems", "A: Close"}));
  fw::Dispatch([&] {
    Settle();
    EXPECT_EQ(TestWindow::Destroyed(), destroyed);
  });
  Settle();
  EXPECT_EQ(TestWindow::Destroyed(), destroyed + 1);
}

TEST_F(WindowClose, ActivateNeverNestsForOneWindow) {
  int activations = 0;
  Script().activate = [&activations](fw::Window& w) {
    Log() << QStringLiteral("inside");
    if (++activations == 1) SendActivation(w.widget());  // as when a dialog closes
  };
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  Log().clear();
  SendActivation(w.widget());
  EXPECT_EQ(Entries("A: Activate").size(), 2);
  EXPECT_EQ(Log().mid(0, 4),
            (QStringList{"A: Activate", "inside", "A: EnableMenuItems", "A: Activate"}));
}

}  // namespace
