// One About window at a time: the command brings the open one to the
// front from whichever window is in front, and after a close it builds a
// new one, its texts included. FileClose (Ctrl+W) closes it.

#include "AboutFixture.h"

#include "about/VersionText.h"
#include "framework/Menu.h"
#include "support/Waits.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

using namespace Qt::StringLiterals;
using klangbuch_test::AboutFixture;

namespace {

using AboutInstance = AboutFixture;

int OpenAboutWindows() {
  int n = 0;
  for (fw::Window* w : fw::Window::OpenWindows()) n += dynamic_cast<AboutWindow*>(w) != nullptr;
  return n;
}

fw::MenuItem& Item(const char* name) {
  return *MenuBar1::SharedInstance().FindItem(QString::fromUtf8(name));
}

TEST_F(AboutInstance, TheCommandShowsTheOpenWindowAgainWhicheverWindowIsInFront) {
  AboutWindow& first = OpenAbout();
  EXPECT_EQ(fw::Window::FrontWindow(), &first);
  Item("AppAbout").action()->trigger();  // About in front
  EXPECT_EQ(&OpenAbout(), &first);
  MainWindow::SharedInstance().Show();
  EXPECT_EQ(fw::Window::FrontWindow(), &MainWindow::SharedInstance());
  Item("AppAbout").action()->trigger();  // the main window in front
  EXPECT_EQ(fw::Window::FindOpen(typeid(AboutWindow)), &first);
  EXPECT_EQ(fw::Window::FrontWindow(), &first);
  EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(AboutInstance, AfterACloseTheNextCommandBuildsANewWindowWithItsTextsAgain) {
  AboutWindow& first = OpenAbout();
  first.StatAppVersion().SetText(u"v9.9"_s);
  first.StatAppCopyright().SetText(u"geändert"_s);
  first.Close();
  EXPECT_EQ(fw::Window::FindOpen(typeid(AboutWindow)), nullptr);
  QCoreApplication::processEvents();  // the closed window is deleted
  AboutWindow& second = OpenAbout();
  EXPECT_EQ(second.StatAppVersion().Text(),
            VersionText(app->MajorVersion(), app->MinorVersion(), app->BugVersion()));
  EXPECT_TRUE(second.StatAppCopyright().Text().contains(u"© 1999"_s));
  EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(AboutInstance, EnablesCloseAndAboutWhileInFront) {
  OpenAbout();
  Item("FileClose").SetEnabled(false);
  Item("AppAbout").SetEnabled(false);
  QEvent activate(QEvent::WindowActivate);  // the window system brings the menus up to date
  QCoreApplication::sendEvent(fw::Window::FrontWindow()->widget(), &activate);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Item("FileClose").Enabled());
  EXPECT_TRUE(Item("AppAbout").Enabled());
}

TEST_F(AboutInstance, CtrlWClosesTheAboutWindowAndLeavesTheMainWindowOpen) {
  AboutWindow& w = OpenAbout();
  w.widget()->activateWindow();
  ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
  QTest::keyClick(w.widget(), Qt::Key_W, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(fw::Window::FindOpen(typeid(AboutWindow)), nullptr);
  EXPECT_NE(fw::Window::FindOpen(typeid(MainWindow)), nullptr);
  EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
