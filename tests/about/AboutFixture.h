#pragma once
// What the About window's tests start from: the program fixture with the
// main window open and its date set to a fixed day, and the About window
// opened as the menu command opens it.

#include "support/KlangbuchFixture.h"

#include "about/AboutWindow.h"
#include "framework/Date.h"

namespace klangbuch_test {

class AboutFixture : public KlangbuchFixture {
 protected:
  static constexpr int kYear = 1999;  // not this year: the notice must take the main window's

  AboutWindow& OpenAbout() {
    if (!fw::Window::FindOpen(typeid(MainWindow))) OpenMainWindow().today = fw::Date(kYear, 5, 1);
    EXPECT_TRUE(app->AppAbout_Action());
    auto* about = dynamic_cast<AboutWindow*>(fw::Window::FindOpen(typeid(AboutWindow)));
    if (!about) throw fw::NilObjectException(QStringLiteral("no About window"));
    return *about;
  }
};

}  // namespace klangbuch_test
