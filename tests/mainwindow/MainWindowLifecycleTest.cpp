// The main window's life: what its Open event sets up, its menu bindings,
// the caption and enabling of "Alle Datensätze", and every way of closing.

#include "MainWindowFixture.h"

#include "framework/Application.h"
#include "framework/Date.h"
#include "framework/Menu.h"
#include "search/SearchWindow.h"

#include <QAction>
#include <QEvent>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include <functional>

using namespace Qt::StringLiterals;
using klangbuch_test::MainWindowFixture;

namespace {

QStringList Entries(const fw::PopupMenu& p) {
  QStringList out;
  for (int i = 0; i < p.ListCount(); ++i) out << p.List(i);
  return out;
}

// Every item name of the menu tree below `item`.
void CollectNames(const fw::MenuItem& item, QStringList& names) {
  for (int i = 0; i < item.Count(); ++i) {
    names << item.Item(i)->Name;
    CollectNames(*item.Item(i), names);
  }
}

class MainWindowLifecycle : public MainWindowFixture {
 protected:
  void Seed(fw::SQLiteDatabase& db) override {
    for (const char* title : {"Erste", "Zweite"}) {
      fw::DatabaseRecord r;
      r.Column(u"Datum"_s, u"2020-01-02"_s);
      r.Column(u"Titel"_s, QString::fromUtf8(title));
      db.InsertRecord(u"Aufnahmen"_s, r);
    }
  }
};

TEST_F(MainWindowLifecycle, OpenCreatesThePageSetupTakesTodayAndFillsTheList) {
  MainWindow& w = OpenMainWindow();
  EXPECT_NE(app->p, nullptr);
  EXPECT_EQ(w.today, klangbuch_test::kToday);
  EXPECT_EQ(w.RecList().ListCount(), 2);
}

TEST_F(MainWindowLifecycle, OpenCopiesTheFormPresetsIntoTheOptionsAndSelectsTheDefaults) {
  MainWindow& w = OpenMainWindow();
  EXPECT_EQ(Entries(w.SysMenuPref()), Entries(w.AufnSystem()));
  EXPECT_EQ(w.SysMenuPref().ListIndex(), 2);
  EXPECT_EQ(Entries(w.TonMenuPref()), Entries(w.AufnTon()));
  EXPECT_EQ(w.TonMenuPref().ListIndex(), 0);
  // The form pop-ups keep their own selection.
  EXPECT_EQ(w.AufnSystem().ListIndex(), 2);
  EXPECT_EQ(w.AufnTon().ListIndex(), 0);
}

TEST_F(MainWindowLifecycle, DefaultsThatNameNoEntrySelectNothingInTheOptions) {
  MainWindow& w = OpenMainWindow();
  MainWindowTestAccess::DefSys(w) = 7;
  MainWindowTestAccess::DefTon(w) = -1;
  w.Event_Open();
  EXPECT_EQ(w.SysMenuPref().ListCount(), 7);
  EXPECT_EQ(w.SysMenuPref().ListIndex(), -1);
  EXPECT_EQ(w.TonMenuPref().ListCount(), 7);
  EXPECT_EQ(w.TonMenuPref().ListIndex(), -1);
}

TEST_F(MainWindowLifecycle, BindsItsTenMenuItemsAndNoOthers) {
  MainWindow& w = OpenMainWindow();
  const QStringList bound{u"FileImportData"_s, u"FileExportData"_s, u"FilePrint"_s,
                          u"FileClose"_s,      u"FileSearch"_s,     u"FilePrintInfo"_s,
                          u"FilePageSetup"_s,  u"EditSelectAll"_s,  u"EditNew"_s,
                          u"EditDuplicate"_s};
  QStringList names;
  CollectNames(*w.MenuBar(), names);
  for (const QString& name : names) {
    EXPECT_EQ(w.MenuHandler(name) != nullptr, bound.contains(name)) << name.toStdString();
  }
  for (const QString& name : bound) EXPECT_TRUE(names.contains(name)) << name.toStdString();
}

TEST_F(MainWindowLifecycle, MenuBarItemFindsTheSharedItemAndRejectsUnknownNames) {
  OpenMainWindow();
  EXPECT_EQ(&MenuBar1::Item(u"EditSelectAll"_s),
            MenuBar1::SharedInstance().FindItem(u"EditSelectAll"_s));
  EXPECT_EQ(MenuBar1::Item(u"FileQuit"_s).kind(), fw::MenuItem::kQuit);
  EXPECT_THROW(MenuBar1::Item(u"NoSuchItem"_s), fw::NilObjectException);
}

// The window system activates the window: Event_Activate, then a menu
// update.
void Activate(MainWindow& w) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(w.widget(), &activate);
  QCoreApplication::processEvents();
}

TEST_F(MainWindowLifecycle, ActivationNamesSelectAllForTheRecordList) {
  MainWindow& w = OpenMainWindow();
  fw::MenuItem& selectAll = MenuBar1::Item(u"EditSelectAll"_s);
  selectAll.SetText(u"Alle Auswählen"_s);
  Activate(w);
  EXPECT_EQ(selectAll.Text(), u"Alle Datensätze"_s);
}

TEST_F(MainWindowLifecycle, SelectAllIsAvailableExactlyWhileASearchConditionIsSet) {
  MainWindow& w = OpenMainWindow();
  fw::String& filter = SearchWindow::SharedInstance().filter;
  struct Case {
    const char* filter;
    bool enabled;
  };
  for (Case c : {Case{"", false}, Case{"Titel = 'x'", true}, Case{"", false}}) {
    filter = QString::fromUtf8(c.filter);
    Activate(w);
    EXPECT_EQ(MenuBar1::Item(u"EditSelectAll"_s).Enabled(), c.enabled) << c.filter;
    for (const QString& name : {u"FileClose"_s, u"FilePageSetup"_s, u"EditNew"_s}) {
      EXPECT_TRUE(MenuBar1::Item(name).Enabled()) << name.toStdString();
    }
  }
  filter.clear();
}

// The main window, counting its Close events.
class CountingWindow : public MainWindow {
 public:
  static inline int closes = 0;
  void Event_Close() override {
    ++closes;
    MainWindow::Event_Close();
  }
};

struct WayOfClosing {
  const char* name;
  std::function<void(CountingWindow&)> close;
};

class MainWindowClosing : public MainWindowFixture,
                          public ::testing::WithParamInterface<WayOfClosing> {};

TEST_P(MainWindowClosing, RunsCloseOnceAndAsksToEndWithCodeZero) {
  StartApp();
  app->AutoQuit = false;  // so only the window's own Close can ask to quit
  CountingWindow::closes = 0;
  CountingWindow& w = fw::Window::SharedInstance<CountingWindow>();
  GetParam().close(w);
  QCoreApplication::processEvents();
  EXPECT_EQ(CountingWindow::closes, 1);
  EXPECT_EQ(fw::Window::FindOpen(typeid(CountingWindow)), nullptr);
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, MainWindowClosing,
    ::testing::Values(
        WayOfClosing{"Close", [](CountingWindow& w) { w.Close(); }},
        WayOfClosing{"CloseTwice",
                     [](CountingWindow& w) {
                       w.Close();
                       w.Close();
                     }},
        WayOfClosing{"FileCloseHandler",
                     [](CountingWindow& w) { (*w.MenuHandler(u"FileClose"_s))(); }},
        WayOfClosing{"FileCloseItem",
                     [](CountingWindow&) { MenuBar1::Item(u"FileClose"_s).action()->trigger(); }},
        WayOfClosing{"CloseBox",
                     [](CountingWindow& w) {
                       QCloseEvent e;
                       QCoreApplication::sendEvent(w.widget(), &e);
                     }},
        WayOfClosing{"FileQuit",
                     [](CountingWindow&) { MenuBar1::Item(u"FileQuit"_s).action()->trigger(); }}),
    [](const ::testing::TestParamInfo<WayOfClosing>& info) { return info.param.name; });

}  // namespace
