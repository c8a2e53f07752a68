// Window titles: every designed title is the widget's title exactly, and the
// program names itself "Klangbuch" (the application name, which Qt shows
// for a window whose title is empty: a message box, the About window) and
// sets no display name (which Qt would append to every designed title).
// What the window system then reads is checked on the real binary by
// tests/smoke/titles.sh.

#include "support/KlangbuchFixture.h"

#include "about/AboutWindow.h"
#include "framework/ui/QtDialogs.h"
#include "printing/PrintInfoWindow.h"
#include "search/SearchWindow.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace klangbuch_test {
namespace {

using WindowTitles = KlangbuchFixture;

TEST_F(WindowTitles, EveryDesignedTitleStaysAsItIsAndTheProgramIsNamedKlangbuch) {
  OpenMainWindow();
  EXPECT_EQ(QCoreApplication::applicationName(), u"Klangbuch"_s);
  // No display name: unset, it follows the application name.
  QCoreApplication::setApplicationName(u"Probe"_s);
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), u"Probe"_s);
  QCoreApplication::setApplicationName(u"Klangbuch"_s);

  const struct {
    fw::Window* window;
    const char* title;
  } windows[] = {
      {&MainWindow::SharedInstance(), "Aufnahmen"},
      {&SearchWindow::SharedInstance(), "Suchen"},
      {&PrintInfoWindow::SharedInstance(), "Vollinfo Drucken"},
      {&AboutWindow::SharedInstance(), ""},
  };
  for (const auto& w : windows) {
    EXPECT_EQ(w.window->Title(), QString::fromUtf8(w.title));
    EXPECT_EQ(w.window->widget()->windowTitle(), QString::fromUtf8(w.title));
  }
  // A message box has no title of its own either.
  EXPECT_EQ(fw::BuildMessageBox(u"Text"_s, QString(), {u"OK"_s})->windowTitle(), QString());
}

}  // namespace
}  // namespace klangbuch_test
