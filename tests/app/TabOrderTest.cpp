// The Tab key in every window, against the windows' declarations: pressed
// through each window offscreen (and Shift+Tab back), the focus visits
// exactly the declared tab stops that can take the focus now, in the
// declared order, and passes every control declared "no stop" by (the tab
// panel "TabView" included).

#include "support/KlangbuchFixture.h"

#include "about/AboutWindow.h"
#include "printing/PrintInfoWindow.h"
#include "search/SearchWindow.h"
#include "support/Waits.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <functional>
#include <ostream>

using namespace Qt::StringLiterals;

namespace klangbuch_test {
namespace {

using fw::ControlClass;

// The classes whose widgets take the keyboard focus at all; labels, group
// boxes and canvases never do, whatever their TabIndex.
bool TakesFocus(ControlClass cls) {
  switch (cls) {
    case ControlClass::kLabel:
    case ControlClass::kGroupBox:
    case ControlClass::kCanvas: return false;
    default: return true;
  }
}

QString NameOf(const fw::ControlDecl& d) {
  return d.index < 0 ? d.name : d.name + u'(' + QString::number(d.index) + u')';
}

QString NameOf(const fw::Control& c) {
  return c.Index() < 0 ? c.Name() : c.Name() + u'(' + QString::number(c.Index()) + u')';
}

// The declared order: the controls of each parent by TabIndex (those
// without one after them, in creation order), each followed by what it
// contains; of them the tab stops that accept the focus and that the user
// can reach now (shown on the shown page, enabled).
QStringList DeclaredStops(const fw::Window& w, const std::vector<fw::ControlDecl>& table) {
  QStringList stops;
  std::function<void(const QString&)> visit = [&](const QString& parent) {
    std::vector<const fw::ControlDecl*> kids;
    for (const fw::ControlDecl& d : table)
      if (d.parent == parent) kids.push_back(&d);
    std::stable_sort(kids.begin(), kids.end(), [](const auto* a, const auto* b) {
      return (a->tabIndex < 0 ? INT_MAX : a->tabIndex) < (b->tabIndex < 0 ? INT_MAX : b->tabIndex);
    });
    for (const fw::ControlDecl* d : kids) {
      const fw::Control* c = w.ControlByNameIndex(d->name, d->index);
      if (!c) c = w.ControlByName(d->name);
      const QWidget* widget = c ? c->widget() : nullptr;
      if (d->tabStop && d->acceptFocus && TakesFocus(d->cls) && widget && widget->isVisible() &&
          widget->isEnabled())
        stops << NameOf(*d);
      if (d->index < 0) visit(d->name);
    }
  };
  visit(QString());
  return stops;
}

// The control that has the focus in `w`, "-" for none, or the Qt class of
// a focused widget that belongs to no control.
QString Focused(const fw::Window& w) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus || focus->window() != w.widget()) return u"-"_s;
  if (const fw::Control* c = w.Focus()) return NameOf(*c);
  return u"?"_s + QString::fromLatin1(focus->metaObject()->className());
}

struct Row {
  const char* name;
  // Opens the window in the state the row names; returns it with its
  // declaration.
  std::function<fw::Window&()> open;
  const std::vector<fw::ControlDecl>& (*declaration)();
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

class TabOrder : public KlangbuchFixture, public ::testing::WithParamInterface<Row> {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    db.SQLExecute(QStringLiteral(
        "INSERT INTO Aufnahmen (ID, Datum, ProdNr, Titel, Redaktion, Format, Interpret, Ort, "
        "BelegCD, System, Surr) VALUES (1, '2012-03-05', 'P-1', 'Probe', 'WDR', 'CD', 'Chor', "
        "'Köln', 0, 'Radar', 0), (2, '2013-04-06', 'P-2', 'Zweite', 'NDR', 'DAT', 'Anna', "
        "'Hamburg', 0, 'Sonic', 1)"));
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
  }
};

MainWindow& Main() { return MainWindow::SharedInstance(); }

// The main window's list with its first row selected: the form enabled.
MainWindow& MainWithRecord() {
  MainWindow& w = Main();
  w.RecList().SetListIndex(0);
  return w;
}

TEST_P(TabOrder, TabAndShiftTabVisitExactlyTheDeclaredStopsInTheirOrder) {
  OpenMainWindow();
  fw::Window& w = GetParam().open();
  w.Show();
  ASSERT_TRUE(klangbuch_test::WaitUntilActive(w.widget()));
  const QStringList expected = DeclaredStops(w, GetParam().declaration());

  if (expected.isEmpty()) {
    // Nothing to stop at: Tab gives the focus to nothing.
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    QTest::keyClick(w.widget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(w).toStdString(), "-");
    return;
  }
  w.Ctl<fw::RectControl>(expected.first().section(u'(', 0, 0)).SetFocus();
  ASSERT_EQ(Focused(w), expected.first());

  // Once round and back at the start.
  QStringList forward{Focused(w)};
  for (qsizetype i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    forward << Focused(w);
  }
  EXPECT_EQ(forward, QStringList(expected) << expected.first());

  QStringList backward{Focused(w)};
  for (qsizetype i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    backward << Focused(w);
  }
  QStringList reversed{expected.first()};
  for (qsizetype i = expected.size() - 1; i >= 0; --i) reversed << expected[i];
  EXPECT_EQ(backward, reversed);
}

// Every window, on each of its pages, in the states that change what can
// take the focus.
const Row kRows[] = {
    {"AufnahmenEingabeWithARecord", []() -> fw::Window& { return MainWithRecord(); },
     &MainWindow::ControlDeclaration},
    {"AufnahmenEingabeWithARecordAfterASearch",
     []() -> fw::Window& {
       SearchWindow& s = SearchWindow::SharedInstance();
       s.SearchFor().SetText(u"P"_s);
       s.EnterSearch().Push();
       return MainWithRecord();
     },
     &MainWindow::ControlDeclaration},
    {"AufnahmenEingabeWithoutARecord", []() -> fw::Window& { return Main(); },
     &MainWindow::ControlDeclaration},
    {"AufnahmenOptionen",
     []() -> fw::Window& {
       MainWindow& w = Main();
       w.TabView().SetValue(1);
       return w;
     },
     &MainWindow::ControlDeclaration},
    {"Suchen", []() -> fw::Window& { return SearchWindow::SharedInstance(); },
     &SearchWindow::ControlDeclaration},
    {"SuchenExpert",
     []() -> fw::Window& {
       SearchWindow& w = SearchWindow::SharedInstance();
       w.Xpert().SetValue(true);
       w.Xpert_Action(w.Xpert());
       return w;
     },
     &SearchWindow::ControlDeclaration},
    {"VollinfoDruckenWithASelection",
     []() -> fw::Window& {
       PrintInfoWindow& w = PrintInfoWindow::SharedInstance();
       QCoreApplication::processEvents();  // its activation fills the list
       w.RecList2().SetSelected(0, true);
       return w;
     },
     &PrintInfoWindow::ControlDeclaration},
    {"About", []() -> fw::Window& { return AboutWindow::SharedInstance(); },
     &AboutWindow::ControlDeclaration},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, TabOrder, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace klangbuch_test
