// The three links of the About window: the pointing hand over them, the
// page opened by a click (press and release), nothing by a press alone,
// and nothing at all from the other labels.

#include "AboutFixture.h"

#include <QCursor>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;
using klangbuch_test::AboutFixture;

namespace {

struct Link {
  const char* control;
  fw::String page;  // "" for a control that is no link
};

class AboutLinks : public AboutFixture, public ::testing::WithParamInterface<Link> {
 protected:
  QWidget* Widget(AboutWindow& w) const {
    return dynamic_cast<fw::RectControl&>(*w.ControlByName(QString::fromUtf8(GetParam().control)))
        .widget();
  }
  std::vector<fw::String> OpenedPages() const {
    std::vector<fw::String> pages;
    for (const fw::ShownDialog& d : dialogs.shown) {
      if (d.kind == fw::ShownDialog::kShowURL) pages.push_back(d.text);
    }
    return pages;
  }
};

TEST_P(AboutLinks, ShowsThePointingHandOnlyWhileThePointerIsOverALink) {
  AboutWindow& w = OpenAbout();
  QWidget* widget = Widget(w);
  const bool link = !GetParam().page.isEmpty();
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QCoreApplication::sendEvent(widget, &enter);
  EXPECT_EQ(widget->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(widget, &leave);
  EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}

TEST_P(AboutLinks, OpensItsPageOnTheReleaseOfAClickAndNotOnThePress) {
  AboutWindow& w = OpenAbout();
  QWidget* widget = Widget(w);
  QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(OpenedPages().empty());
  QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(3, 3));
  const std::vector<fw::String> expected =
      GetParam().page.isEmpty() ? std::vector<fw::String>{} : std::vector{GetParam().page};
  EXPECT_EQ(OpenedPages(), expected);
  EXPECT_EQ(dialogs.shown.size(), expected.size());  // no other dialog
}

INSTANTIATE_TEST_SUITE_P(EveryControl, AboutLinks,
                         ::testing::Values(Link{"StatAppCopyright", AboutWindow::AuthorPage()},
                                           Link{"StatAppCreator", AboutWindow::CreatorPage()},
                                           Link{"CreatorLogo", AboutWindow::CreatorPage()},
                                           Link{"StatAppName", {}}, Link{"StatAppVersion", {}},
                                           Link{"Label1", {}}),
                         [](const ::testing::TestParamInfo<Link>& info) {
                           return info.param.control;
                         });

TEST(AboutPages, AreTheAuthorsSoftwarePageAndQtsHomePage) {
  EXPECT_EQ(AboutWindow::AuthorPage(), u"https://klangbuch.example.org/software"_s);
  EXPECT_EQ(AboutWindow::CreatorPage(), u"https://www.qt.io/"_s);
}

}  // namespace
