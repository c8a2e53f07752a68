// The main window as built: its design, its 60 controls against their
// declaration, its size limits and what moves when it grows, and the event
// bindings made during the build.

#include "MainWindowFixture.h"

#include "framework/Listbox.h"

#include <QStringList>

#include <functional>

using namespace Qt::StringLiterals;
using fw::ControlClass;
using klangbuch_test::MainWindowFixture;

namespace {

constexpr unsigned LT = fw::kLT, LTR = fw::kLTR, LTRB = fw::kLTRB, LRB = fw::kLRB;
using enum ControlClass;

// One row per control in creation order: what the window must show.
// tab -1: takes no place in the focus order; text nullptr: not a text.
struct Expected {
  const char* name;
  int index;
  ControlClass cls;
  int left, top, width, height;
  const char* parent;
  int page;
  unsigned locks;
  int tab;
  bool stop;
  const char* text;
};

// clang-format off
const Expected kControls[] = {
    {"TabView", -1, kTabPanel, -8, 14, 816, 598, "", 0, LTRB, 0, false, nullptr},
    {"RecList", -1, kListbox, 20, 62, 760, 226, "TabView", 1, LTRB, 2, false, nullptr},
    {"StatSubTotal", -1, kLabel, 649, 448, 100, 16, "TabView", 2, LT, -1, true, " "},
    {"StatTotalTax", -1, kLabel, 649, 468, 100, 16, "TabView", 2, LT, -1, true, " "},
    {"StatOrderTotal", -1, kLabel, 649, 496, 100, 16, "TabView", 2, LT, -1, true, ""},
    {"Label1", -1, kLabel, 201, 50, 407, 69, "TabView", 2, LTR, -1, true, nullptr},
    {"GroupBox1", -1, kGroupBox, 29, 131, 300, 232, "TabView", 2, LTR, -1, true, "Verhalten der Liste"},
    {"DeleteDoubleClick", -1, kCheckBox, 72, 167, 208, 20, "GroupBox1", 2, LT, 0, true, "Löschen durch Doppelklick"},
    {"ConfirmDlog", -1, kCheckBox, 72, 199, 208, 20, "GroupBox1", 2, LT, 1, true, "Löschen bestätgen?"},
    {"ShowID", -1, kCheckBox, 72, 231, 208, 20, "GroupBox1", 2, LT, 2, true, "Lfd Nr anzeigen"},
    {"SortOnOpen", -1, kCheckBox, 72, 263, 208, 20, "GroupBox1", 2, LT, 3, true, "Liste sortieren nach:"},
    {"SortOption", -1, kPopupMenu, 94, 295, 135, 20, "GroupBox1", 2, LT, 4, true, nullptr},
    {"KeepSel", -1, kCheckBox, 72, 327, 208, 20, "GroupBox1", 2, LT, 5, true, "Selektion beibehalten"},
    {"GroupBox2", -1, kGroupBox, 386, 131, 300, 232, "TabView", 2, LTR, -1, true, "Vorgaben"},
    {"SysMenuDelete", -1, kBevelButton, 402, 195, 20, 20, "GroupBox2", 2, LT, 0, true, "-"},
    {"SysMenuAdd", -1, kBevelButton, 423, 195, 20, 20, "GroupBox2", 2, LT, 1, false, "+"},
    {"SysMenuPref", -1, kPopupMenu, 402, 163, 157, 20, "GroupBox2", 2, LT, 2, true, nullptr},
    {"SysMenuText", -1, kTextField, 455, 193, 196, 22, "GroupBox2", 2, LT, 3, true, ""},
    {"SysMenuDef", -1, kPushButton, 571, 164, 80, 20, "GroupBox2", 2, LT, 4, true, "Vorgabe"},
    {"TonMenuPref", -1, kPopupMenu, 402, 237, 157, 20, "GroupBox2", 2, LT, 5, true, nullptr},
    {"TonMenuDef", -1, kPushButton, 571, 238, 80, 20, "GroupBox2", 2, LT, 6, true, "Vorgabe"},
    {"TonMenuDelete", -1, kBevelButton, 402, 270, 20, 20, "GroupBox2", 2, LT, 7, true, "-"},
    {"TonMenuAdd", -1, kBevelButton, 423, 270, 20, 20, "GroupBox2", 2, LT, 8, false, "+"},
    {"TonMenuText", -1, kTextField, 455, 270, 196, 22, "GroupBox2", 2, LT, 9, true, ""},
    {"SearchBtn", -1, kPushButton, 130, 296, 80, 20, "TabView", 1, LRB, 5, false, "Suche ..."},
    {"DeleteBtn", -1, kPushButton, 521, 296, 74, 20, "TabView", 1, LRB, 4, false, "Löschen"},
    {"NewBtn", -1, kPushButton, 685, 296, 74, 20, "TabView", 1, LRB, 3, false, "Neu"},
    {"RecGroupBox", -1, kGroupBox, 20, 310, 760, 270, "TabView", 1, LRB, -1, true, " "},
    {"FieldLabel", 9, kLabel, 36, 332, 114, 20, "RecGroupBox", 1, LRB, -1, true, "Prod. Nummer"},
    {"FieldLabel", 10, kLabel, 36, 361, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Titel:"},
    {"FieldLabel", 11, kLabel, 36, 390, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Interpret"},
    {"FieldLabel", 12, kLabel, 36, 419, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Verlag / Red."},
    {"FieldLabel", 13, kLabel, 36, 448, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Ort"},
    {"FieldLabel", 14, kLabel, 36, 538, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Bemerkungen"},
    {"FieldLabel", 17, kLabel, 433, 419, 82, 20, "RecGroupBox", 1, LRB, -1, true, "1. Schnitt"},
    {"FieldLabel", 18, kLabel, 433, 448, 82, 20, "RecGroupBox", 1, LRB, -1, true, "fertig"},
    {"AufnTitel", -1, kTextField, 130, 360, 629, 22, "RecGroupBox", 1, LRB, 2, true, ""},
    {"AufnInterpret", -1, kTextField, 130, 389, 629, 22, "RecGroupBox", 1, LRB, 3, true, ""},
    {"AufnRed", -1, kTextField, 130, 418, 220, 22, "RecGroupBox", 1, LRB, 4, true, ""},
    {"AufnOrt", -1, kTextField, 130, 447, 220, 22, "RecGroupBox", 1, LRB, 5, true, ""},
    {"ProdNummer", -1, kTextField, 162, 331, 188, 22, "RecGroupBox", 1, LRB, 0, true, ""},
    {"AufnSchnitt", -1, kTextField, 521, 418, 120, 22, "RecGroupBox", 1, LRB, 6, true, ""},
    {"AufnFertig", -1, kTextField, 521, 447, 120, 22, "RecGroupBox", 1, LRB, 7, true, ""},
    {"FieldLabel", 1, kLabel, 433, 332, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Datum"},
    {"AufnDatum", -1, kTextField, 521, 331, 120, 22, "RecGroupBox", 1, LRB, 1, true, ""},
    {"AufnSurr", -1, kCheckBox, 653, 448, 83, 20, "RecGroupBox", 1, LRB, 20, false, "Surr"},
    {"BelegCD", -1, kCheckBox, 653, 505, 83, 20, "RecGroupBox", 1, LRB, 21, false, "BelegCD"},
    {"UpdateBtn", -1, kPushButton, 685, 544, 74, 20, "RecGroupBox", 1, LRB, 22, false, "Update"},
    {"AufnTon", -1, kPopupMenu, 653, 476, 106, 20, "RecGroupBox", 1, LRB, 9, true, nullptr},
    {"AufnBackup", -1, kTextField, 401, 505, 108, 22, "RecGroupBox", 1, LRB, 9, true, ""},
    {"BackupDat", -1, kTextField, 521, 505, 120, 22, "RecGroupBox", 1, LRB, 10, true, ""},
    {"AufnSystem", -1, kPopupMenu, 130, 505, 123, 20, "RecGroupBox", 1, LRB, 10, true, nullptr},
    {"FieldLabel", 2, kLabel, 312, 506, 85, 20, "RecGroupBox", 1, LRB, -1, true, "HD / Backup:"},
    {"AufnBemerkung", -1, kTextField, 130, 534, 511, 40, "RecGroupBox", 1, LRB, 11, true, ""},
    {"FieldLabel", 3, kLabel, 36, 477, 82, 20, "RecGroupBox", 1, LRB, -1, true, "Technik"},
    {"AufnTechnik", -1, kTextField, 130, 476, 511, 22, "RecGroupBox", 1, LRB, 8, true, ""},
    {"ClearSearch", -1, kPushButton, 222, 296, 80, 20, "TabView", 1, LRB, 6, true, "Alle"},
    {"Label3", -1, kLabel, 39, 375, 100, 20, "TabView", 2, LT, -1, true, "Kurzanleitung:"},
    {"TextArea1", -1, kTextArea, 29, 396, 751, 184, "TabView", 2, LTRB, 31, false, nullptr},
    {"CopyBtn", -1, kPushButton, 603, 296, 74, 20, "TabView", 1, LRB, 7, false, "Duplikat"},
};
// clang-format on

// The class the layer built the control as.
bool IsOfClass(fw::Control& c, ControlClass cls) {
  switch (cls) {
    case kTabPanel: return dynamic_cast<fw::TabPanel*>(&c);
    case kListbox: return dynamic_cast<fw::Listbox*>(&c);
    case kLabel: return dynamic_cast<fw::Label*>(&c);
    case kGroupBox: return dynamic_cast<fw::GroupBox*>(&c);
    case kCheckBox: return dynamic_cast<fw::CheckBox*>(&c);
    case kPopupMenu: return dynamic_cast<fw::PopupMenu*>(&c);
    case kBevelButton: return dynamic_cast<fw::BevelButton*>(&c);
    case kTextField: return dynamic_cast<fw::TextField*>(&c);
    case kPushButton: return dynamic_cast<fw::PushButton*>(&c);
    case kTextArea: return dynamic_cast<fw::TextArea*>(&c);
    case kDisclosureTriangle: return dynamic_cast<fw::DisclosureTriangle*>(&c);
    case kCanvas: return false;
  }
  return false;
}

// The caption or text of a control that has one.
QString TextOf(fw::Control& c) {
  if (auto* x = dynamic_cast<fw::Label*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::TextField*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::TextArea*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::CheckBox*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::PushButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::BevelButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::GroupBox*>(&c)) return x->Caption();
  return u"<no text>"_s;
}

QStringList Entries(const fw::PopupMenu& p) {
  QStringList out;
  for (int i = 0; i < p.ListCount(); ++i) out << p.List(i);
  return out;
}

fw::RectControl& Find(const MainWindow& w, const Expected& e) {
  return w.Ctl<fw::RectControl>(QString::fromUtf8(e.name), e.index);
}

class MainWindowBuild : public MainWindowFixture {};

TEST_F(MainWindowBuild, DeclaresTheSixtyControlsInCreationOrder) {
  const auto& decl = MainWindow::ControlDeclaration();
  ASSERT_EQ(decl.size(), std::size(kControls));
  for (size_t i = 0; i < decl.size(); ++i) {
    SCOPED_TRACE(kControls[i].name);
    EXPECT_EQ(decl[i].name, QString::fromUtf8(kControls[i].name));
    EXPECT_EQ(decl[i].index, kControls[i].index);
  }
  MainWindow& w = OpenMainWindow();
  ASSERT_EQ(w.Controls().size(), std::size(kControls));
  for (size_t i = 0; i < w.Controls().size(); ++i) {
    EXPECT_EQ(w.Controls()[i]->Name(), QString::fromUtf8(kControls[i].name)) << i;
    EXPECT_EQ(w.Controls()[i]->Index(), kControls[i].index) << i;
  }
}

TEST_F(MainWindowBuild, EachControlHasItsClassPlaceParentFocusOrderAndText) {
  MainWindow& w = OpenMainWindow();
  for (const Expected& e : kControls) {
    SCOPED_TRACE(std::string(e.name) + " " + std::to_string(e.index));
    fw::RectControl& c = Find(w, e);
    EXPECT_TRUE(IsOfClass(c, e.cls));
    EXPECT_EQ(c.Left(), e.left);
    EXPECT_EQ(c.Top(), e.top);
    EXPECT_EQ(c.Width(), e.width);
    EXPECT_EQ(c.Height(), e.height);
    EXPECT_EQ(c.Parent() ? c.Parent()->Name() : QString(), QString::fromUtf8(e.parent));
    EXPECT_EQ(c.PanelIndex(), e.page);
    EXPECT_EQ(c.Locks(), e.locks);
    if (e.tab >= 0) {
      EXPECT_EQ(c.TabIndex(), e.tab);
      EXPECT_EQ(c.TabStop(), e.stop);
    }
    if (e.text) {
      EXPECT_EQ(TextOf(c), QString::fromUtf8(e.text));
    }
    EXPECT_TRUE(c.Visible());
  }
}

TEST_F(MainWindowBuild, TheFourSmallButtonsNeverTakeTheFocus) {
  MainWindow& w = OpenMainWindow();
  for (fw::BevelButton* b : {&w.SysMenuDelete(), &w.SysMenuAdd(), &w.TonMenuDelete(),
                             &w.TonMenuAdd()}) {
    EXPECT_FALSE(b->AcceptFocus()) << b->Name().toStdString();
  }
  for (const auto& c : w.Controls()) {
    if (!dynamic_cast<fw::BevelButton*>(c.get())) {
      EXPECT_TRUE(static_cast<fw::RectControl&>(*c).AcceptFocus()) << c->Name().toStdString();
    }
  }
}

TEST_F(MainWindowBuild, StartsWithTheDeclaredStates) {
  MainWindow& w = OpenMainWindow();
  // The form waits for a record, and "Alle" for a search.
  EXPECT_FALSE(w.RecGroupBox().Enabled());
  EXPECT_EQ(w.RecGroupBox().Caption(), u" "_s);
  EXPECT_FALSE(w.ClearSearch().Enabled());

  EXPECT_TRUE(w.DeleteDoubleClick().Value());
  EXPECT_TRUE(w.ConfirmDlog().Value());
  EXPECT_FALSE(w.ShowID().Value());
  EXPECT_TRUE(w.SortOnOpen().Value());
  EXPECT_TRUE(w.KeepSel().Value());
  EXPECT_FALSE(w.AufnSurr().Value());
  EXPECT_FALSE(w.BelegCD().Value());

  EXPECT_EQ(Entries(w.SortOption()),
            QStringList({u"ID"_s, u"Datum rückw."_s, u"Titel"_s, u"Interpret"_s,
                         u"Redaktion"_s, u"Prod.Nummer"_s, u"Ort"_s}));
  EXPECT_EQ(w.SortOption().Text(), u"Datum rückw."_s);
  EXPECT_EQ(Entries(w.AufnTon()), QStringList({u"AMS"_s, u"CD"_s, u"DAT"_s, u"FS"_s,
                                               u"live"_s, u"Platte"_s, u"Band"_s}));
  EXPECT_EQ(w.AufnTon().ListIndex(), 0);
  EXPECT_EQ(Entries(w.AufnSystem()),
            QStringList({u"Sonic"_s, u"Sequoia"_s, u"Sequoia Msp"_s, u"Radar"_s, u"analog"_s,
                         u"Protools"_s, u"Sony U-Matic"_s}));
  EXPECT_EQ(w.AufnSystem().Text(), u"Sequoia Msp"_s);

  EXPECT_TRUE(w.UpdateBtn().Default());
  for (const auto& c : w.Controls()) {
    if (auto* b = dynamic_cast<fw::PushButton*>(c.get()); b && b != &w.UpdateBtn()) {
      EXPECT_FALSE(b->Default()) << b->Name().toStdString();
    }
    if (auto* b = dynamic_cast<fw::PushButton*>(c.get())) {
      EXPECT_FALSE(b->Cancel());
    }
  }

  EXPECT_EQ(w.TabView().PanelCount(), 2);
  EXPECT_EQ(w.TabView().Caption(0), u"Eingabe"_s);
  EXPECT_EQ(w.TabView().Caption(1), u"Optionen"_s);
  EXPECT_EQ(w.TabView().Value(), 0);
}

TEST_F(MainWindowBuild, RecordListHasSevenColumnsWithTheIdColumnHidden) {
  MainWindow& w = OpenMainWindow();
  fw::Listbox& list = w.RecList();
  const QStringList headings{u"ID"_s,        u"Datum"_s,    u"Titel"_s, u"Interpret"_s,
                             u"Redaktion"_s, u"Prod.Nr."_s, u"Ort"_s};
  ASSERT_EQ(list.ColumnCount(), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(list.Heading(i), headings[i]);
  EXPECT_EQ(list.ColumnWidths(), u"0, 75, 180, 180, 100, 100, *"_s);
  EXPECT_EQ(list.SelectionType(), 0);

  // The opening's sort marks a heading, so the design's own values are
  // read from the declaration.
  const fw::ControlDecl& d = MainWindow::ControlDeclaration()[1];
  ASSERT_EQ(d.name, u"RecList"_s);
  EXPECT_EQ(d.headingIndex, -1);
  EXPECT_TRUE(d.hasHeading);
  EXPECT_TRUE(d.columnsResizable);
}

TEST_F(MainWindowBuild, ExactTextsKeepTheirTyposBlanksAndLineBreaks) {
  MainWindow& w = OpenMainWindow();
  EXPECT_EQ(w.ConfirmDlog().Caption(), u"Löschen bestätgen?"_s);
  EXPECT_EQ(w.FieldLabelAt(9).Text(), u"Prod. Nummer"_s);

  const QStringList label1 = w.Label1().Text().split(u'\r');
  ASSERT_EQ(label1.size(), 2);
  EXPECT_EQ(label1[1], u"Die popup-Menüs werden beim Laden der Datenbank ggf. ergänzt wenn "
                       u"der Eintrag nicht vorhanden ist."_s);

  const QStringList guide = w.TextArea1().Text().split(u'\r');
  ASSERT_EQ(guide.size(), 23);
  EXPECT_EQ(guide[0], u"Doppelklick löscht die Reihen (wenn aktiviert)"_s);
  EXPECT_EQ(guide[1], u"Änderungen werden erst bei \"Update\" in die Datenbank geschrieben. "_s);
  EXPECT_TRUE(guide[3].endsWith(u"heutige Datum. "_s));
  EXPECT_TRUE(guide[4].startsWith(u"Es müssen mind. die Felder Datum, Titel,, Interpret, "_s));
  EXPECT_TRUE(guide[4].endsWith(u"bei \"fertig\" und \"Backup\" als Joker."_s));
  for (int empty : {7, 11, 13, 17, 19}) EXPECT_EQ(guide[empty - 1], QString()) << empty;
  EXPECT_EQ(guide[15],
            u"\"Datum ¬ Prod.Nr. ¬ Titel ¬ Verlag/Red. ¬ Tonträger ¬ Interpret ¬ Ort ¬ "
            u"1. Schnitt ¬ fertig ¬ Backup ¬ Datum ¬ Backup ¬ Beleg-CD ¬ Bemerkungen ¬ "
            u"System ¬ Surr ¬ Technik\""_s);
  EXPECT_TRUE(guide[22].endsWith(u"im Preferences-Ordner geschehen."_s));

  const fw::ControlDecl& area = MainWindow::ControlDeclaration()[58];
  ASSERT_EQ(area.name, u"TextArea1"_s);
  EXPECT_TRUE(area.readOnly);
  EXPECT_TRUE(area.multiline);
}

TEST_F(MainWindowBuild, WindowDesign) {
  MainWindow& w = OpenMainWindow();
  EXPECT_EQ(w.Title(), u"Aufnahmen"_s);
  EXPECT_EQ(w.MenuBar(), &MenuBar1::SharedInstance());
  EXPECT_EQ(w.Width(), 800);
  EXPECT_EQ(w.Height(), 600);
  const fw::WindowDesign& d = w.Design();
  EXPECT_TRUE(d.closeButton);
  EXPECT_TRUE(d.resizeable);
  EXPECT_TRUE(d.minimizeButton);
  EXPECT_FALSE(d.maximizeButton);
  EXPECT_TRUE(d.menuBarVisible);
  EXPECT_TRUE(w.IsVisible());
}

TEST_F(MainWindowBuild, WidthIsFixedAndHeightStaysWithinItsLimits) {
  MainWindow& w = OpenMainWindow();
  EXPECT_EQ(w.Design().minWidth, 800);
  EXPECT_EQ(w.Design().maxWidth, 800);
  struct Case {
    int asked, got;
  };
  for (Case c : {Case{479, 480}, Case{100, 480}, Case{480, 480}, Case{32000, 32000},
                 Case{32001, 32000}, Case{750, 750}}) {
    w.SetHeight(c.asked);
    EXPECT_EQ(w.Height(), c.got) << c.asked;
    EXPECT_EQ(w.Width(), 800) << c.asked;
  }
  w.SetHeight(480);
  EXPECT_EQ(w.RecList().Height(), 106);
}

TEST_F(MainWindowBuild, GrowingTheWindowStretchesTopAndBottomLockedControlsAndMovesTheForm) {
  MainWindow& w = OpenMainWindow();
  constexpr int kGrowth = 137;
  w.SetHeight(600 + kGrowth);
  for (const Expected& e : kControls) {
    SCOPED_TRACE(std::string(e.name) + " " + std::to_string(e.index));
    const fw::RectControl& c = Find(w, e);
    const bool top = e.locks & fw::kLockTop, bottom = e.locks & fw::kLockBottom;
    EXPECT_EQ(c.Top(), e.top + (bottom && !top ? kGrowth : 0));
    EXPECT_EQ(c.Height(), e.height + (bottom && top ? kGrowth : 0));
    EXPECT_EQ(c.Left(), e.left);
    EXPECT_EQ(c.Width(), e.width);
  }
  w.SetHeight(600);
  EXPECT_EQ(w.RecGroupBox().Top(), 310);
  EXPECT_EQ(w.TextArea1().Height(), 184);
}

// Records every event the window's code binds, and each time one fires.
class ProbeWindow : public MainWindow {
 public:
  void BindControlEvents(fw::Control& c) override {
    MainWindow::BindControlEvents(c);
    Wrap<fw::TabPanel>(c, &fw::TabPanel::Change, "Change");
    Wrap<fw::Listbox>(c, &fw::Listbox::Change, "Change");
    Wrap<fw::RectControl>(c, &fw::RectControl::Open, "Open");
    Wrap<fw::Listbox>(c, &fw::Listbox::DoubleClick, "DoubleClick");
    if (auto* list = dynamic_cast<fw::Listbox*>(&c); list && list->CompareRows) {
      bound.push_back(c.Name() + u".CompareRows"_s);
      list->CompareRows = [this, name = c.Name(), inner = list->CompareRows](
                              int a, int b, int col, int& result) {
        fired.push_back(name + u".CompareRows"_s);
        return inner(a, b, col, result);
      };
    }
    Wrap<fw::CheckBox>(c, &fw::CheckBox::Action, "Action");
    Wrap<fw::PopupMenu>(c, &fw::PopupMenu::Change, "Change");
    Wrap<fw::BevelButton>(c, &fw::BevelButton::Action, "Action");
    Wrap<fw::PushButton>(c, &fw::PushButton::Action, "Action");
    Wrap<fw::TextField>(c, &fw::TextField::LostFocus, "LostFocus");
    Wrap<fw::TextField>(c, &fw::TextField::TextChange, "TextChange");
    Wrap<fw::DisclosureTriangle>(c, &fw::DisclosureTriangle::Action, "Action");
  }
  void Event_Open() override {
    firedBeforeOpen = fired;
    MainWindow::Event_Open();
  }

  QStringList bound;            // "Control.Event", in binding order
  QStringList fired;            // the same, each time one fires
  QStringList firedBeforeOpen;  // what had fired when Event_Open began

 private:
  template <class T, class Owner>
  void Wrap(fw::Control& c, std::function<void()> Owner::*event, const char* eventName) {
    auto* t = dynamic_cast<T*>(&c);
    if (!t || !(t->*event)) return;
    const QString id = c.Name() + u'.' + QString::fromUtf8(eventName);
    bound.push_back(id);
    t->*event = [this, id, inner = t->*event] {
      fired.push_back(id);
      inner();
    };
  }
};

TEST_F(MainWindowBuild, BindsExactlyTheTwentyThreeControlEventsAndNoneFiresDuringTheBuild) {
  StartApp();
  ProbeWindow& w = fw::Window::SharedInstance<ProbeWindow>();
  EXPECT_EQ(w.bound, QStringList({
                         u"TabView.Change"_s,       u"RecList.Change"_s,
                         u"RecList.Open"_s,         u"RecList.DoubleClick"_s,
                         u"RecList.CompareRows"_s,  u"ShowID.Action"_s,
                         u"SortOnOpen.Action"_s,    u"SortOption.Change"_s,
                         u"SysMenuDelete.Action"_s, u"SysMenuAdd.Action"_s,
                         u"SysMenuDef.Action"_s,    u"TonMenuDef.Action"_s,
                         u"TonMenuDelete.Action"_s, u"TonMenuAdd.Action"_s,
                         u"SearchBtn.Action"_s,     u"DeleteBtn.Action"_s,
                         u"NewBtn.Action"_s,        u"AufnSchnitt.LostFocus"_s,
                         u"AufnFertig.LostFocus"_s, u"UpdateBtn.Action"_s,
                         u"BackupDat.LostFocus"_s,  u"ClearSearch.Action"_s,
                         u"CopyBtn.Action"_s,
                     }));
  // Only the list's Open event ran, once all controls existed and before
  // the window's own Open event.
  EXPECT_EQ(w.firedBeforeOpen, QStringList({u"RecList.Open"_s}));
  w.Close();
}

}  // namespace
