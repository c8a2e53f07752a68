// The About window as built: its design, its six controls with their
// texts and fonts, the version text, the notice's year and the logo.

#include "AboutFixture.h"

#include "about/CreatorLogo.h"
#include "about/VersionText.h"
#include "app/Author.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;
using klangbuch_test::AboutFixture;

namespace {

TEST(VersionText, ShowsTheBugNumberOnlyWhenItIsNotZero) {
  struct Case {
    int major, minor, bug;
    const char* text;
  };
  for (Case c : {Case{1, 0, 0, "v1.0"}, Case{1, 0, 5, "v1.0.5"}, Case{10, 12, 0, "v10.12"},
                 Case{2, 1, 3, "v2.1.3"}, Case{0, 0, 0, "v0.0"}}) {
    EXPECT_EQ(VersionText(c.major, c.minor, c.bug), QString::fromUtf8(c.text)) << c.text;
  }
}

using AboutWindowBuild = AboutFixture;

TEST_F(AboutWindowBuild, IsASmallFixedWindowWithoutTitleAndWithOnlyACloseBox) {
  AboutWindow& w = OpenAbout();
  EXPECT_EQ(w.Width(), 397);
  EXPECT_EQ(w.Height(), 234);
  EXPECT_EQ(w.Title(), u""_s);
  EXPECT_EQ(w.MenuBar(), nullptr);
  EXPECT_TRUE(w.IsVisible());
  const Qt::WindowFlags flags = w.widget()->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(w.widget()->minimumSize(), w.widget()->maximumSize());
}

struct Expected {
  const char* name;
  int left, top, width, height;
  int pixelSize;  // 0: the default font
  bool bold;
  Qt::Alignment alignment;
};

TEST_F(AboutWindowBuild, BuildsTheSixControlsInOrderAtTheirPlacesAndFonts) {
  AboutWindow& w = OpenAbout();
  const Expected expected[] = {
      {"StatAppName", 57, 20, 244, 16, 14, true, Qt::AlignHCenter},
      {"StatAppVersion", 57, 40, 244, 12, 10, false, Qt::AlignHCenter},
      {"StatAppCopyright", 76, 191, 244, 26, 10, false, Qt::AlignHCenter},
      {"Label1", 20, 72, 357, 75, 0, false, Qt::AlignLeft},
      {"StatAppCreator", 86, 159, 291, 20, 10, true, Qt::AlignLeft},
      {"CreatorLogo", 20, 153, 64, 64, 0, false, {}},
  };
  ASSERT_EQ(w.Controls().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const Expected& e = expected[i];
    auto& c = dynamic_cast<fw::RectControl&>(*w.Controls()[i]);
    EXPECT_EQ(c.Name(), QString::fromUtf8(e.name));
    EXPECT_EQ(QRect(c.Left(), c.Top(), c.Width(), c.Height()),
              QRect(e.left, e.top, e.width, e.height))
        << e.name;
    EXPECT_EQ(c.widget()->geometry(), QRect(e.left, e.top, e.width, e.height)) << e.name;
    if (auto* label = qobject_cast<QLabel*>(c.widget())) {
      if (e.pixelSize) {
        EXPECT_EQ(label->font().pixelSize(), e.pixelSize) << e.name;
      }
      EXPECT_EQ(label->font().bold(), e.bold) << e.name;
      EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, e.alignment) << e.name;
      EXPECT_FALSE(label->textInteractionFlags() & Qt::TextSelectableByMouse) << e.name;
    }
  }
  EXPECT_EQ(w.CreatorLogo().widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(AboutWindowBuild, ShowsNameVersionDescriptionNoticeAndCredit) {
  AboutWindow& w = OpenAbout();
  EXPECT_EQ(w.StatAppName().Text(), u"Klangbuch"_s);
  EXPECT_EQ(w.StatAppVersion().Text(),
            VersionText(app->MajorVersion(), app->MinorVersion(), app->BugVersion()));
  EXPECT_EQ(w.Label1().Text(),
            u"Dieses Datenbank-Frontend verwaltet meine Aufnahme-projekte in der Aufnahme-DB "
            u"\"recordings\" im gleichen Ordner. Ist diese nicht vorhanden, wird eine neue "
            u"erstellt.\rEine detaillierte Anleitung finden Sie im Tab \"Optionen\"."_s);
  EXPECT_EQ(w.StatAppCopyright().Text(), AuthorName() + u" © 1999\r"_s + AuthorDomain());
  EXPECT_TRUE(w.StatAppCreator().Text().contains(u"Qt"_s));
  // The carriage returns show as line breaks.
  EXPECT_EQ(qobject_cast<QLabel*>(w.Label1().widget())->text().count(u'\n'), 1);
}

TEST_F(AboutWindowBuild, VersionLabelReadsTheApplicationsVersionNumbers) {
  OpenMainWindow();
  fw::RuntimeSetVersion(10, 12, 0);
  EXPECT_EQ(OpenAbout().StatAppVersion().Text(), u"v10.12"_s);
}

TEST_F(AboutWindowBuild, NoticeReplacesEveryPlaceholderByTheMainWindowsYear) {
  AboutWindow& w = OpenAbout();
  struct Case {
    const char* text;
    const char* shown;
  };
  for (Case c : {Case{"ohne Jahr", "ohne Jahr"}, Case{"© %1 X", "© 1999 X"},
                 Case{"%1–%1\rx.org", "1999–1999\rx.org"}}) {
    w.StatAppCopyright().SetText(QString::fromUtf8(c.text));
    w.StatAppCopyright_Open(w.StatAppCopyright());
    EXPECT_EQ(w.StatAppCopyright().Text(), QString::fromUtf8(c.shown)) << c.text;
  }
}

// Each label's shown text fits inside the label: nothing is cut off. A
// wrapped text needs its whole line boxes; a single line, vertically
// centred, needs room for its ink (the line box may stick out where it is
// blank).
TEST_F(AboutWindowBuild, NoLabelClipsItsText) {
  AboutWindow& w = OpenAbout();
  for (fw::Label* label : {&w.StatAppName(), &w.StatAppVersion(), &w.StatAppCopyright(),
                           &w.Label1(), &w.StatAppCreator()}) {
    const std::string name = label->Name().toStdString();
    auto* q = qobject_cast<QLabel*>(label->widget());
    const QFontMetricsF metrics(q->font());
    if (q->wordWrap()) {
      const QRectF needed =
          metrics.boundingRect(QRectF(0, 0, q->width(), 10000), Qt::TextWordWrap, q->text());
      EXPECT_LE(needed.width(), q->width()) << name;
      EXPECT_LE(needed.height(), q->height()) << name;
    } else {
      const QRectF ink = metrics.tightBoundingRect(q->text());
      const qreal baseline = (q->height() - metrics.height()) / 2 + metrics.ascent();
      EXPECT_LE(ink.width(), q->width()) << name;
      EXPECT_GE(baseline + ink.top(), 0) << name;
      EXPECT_LE(baseline + ink.bottom(), q->height()) << name;
    }
  }
}

TEST_F(AboutWindowBuild, DrawsTheLogoReadOnceForTheWholeRun) {
  const fw::Picture& logo = creator_logo();
  ASSERT_FALSE(logo.IsNil());
  EXPECT_EQ(logo.Width(), 64);
  EXPECT_EQ(logo.Height(), 64);
  EXPECT_EQ(&creator_logo(), &logo);

  AboutWindow& w = OpenAbout();
  // The canvas shows the very picture read at first use, not a copy of it.
  EXPECT_EQ(&w.CreatorLogo().Backdrop().image(), &logo.image());
  const QImage shown = w.CreatorLogo().widget()->grab().toImage();
  const QImage original = logo.image().convertToFormat(shown.format());
  for (QPoint at : {QPoint(32, 32), QPoint(5, 32), QPoint(20, 30)}) {
    EXPECT_EQ(shown.pixelColor(at), original.pixelColor(at)) << at.x() << "," << at.y();
  }
}

}  // namespace
