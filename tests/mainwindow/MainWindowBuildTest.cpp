// The main window as built: every control of its declaration, made as the
// declaration says (class, place, parent, page, locks, focus order, font,
// texts); its size limits and what moves when it grows; and the event
// bindings made during the build. The declaration is read, not restated
// here, so a change of the layout is one edit in MainWindowControls.cpp.

#include "MainWindowFixture.h"

#include "framework/Listbox.h"

#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <set>

using namespace Qt::StringLiterals;
using fw::ControlClass;
using fw::ControlDecl;
using klangbuch_test::MainWindowFixture;

namespace {

using enum ControlClass;

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
    case kCanvas: return dynamic_cast<fw::Canvas*>(&c);
  }
  return false;
}

// The caption or text of a control that has one.
std::optional<QString> TextOf(fw::Control& c) {
  if (auto* x = dynamic_cast<fw::Label*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::TextField*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::TextArea*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<fw::CheckBox*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::PushButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::BevelButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<fw::GroupBox*>(&c)) return x->Caption();
  return std::nullopt;
}

// The entries a control shows from the declaration's items: pop-up entries,
// list headings, tab captions.
std::optional<std::vector<QString>> ItemsOf(fw::Control& c) {
  std::vector<QString> out;
  if (auto* p = dynamic_cast<fw::PopupMenu*>(&c)) {
    for (int i = 0; i < p->ListCount(); ++i) out.push_back(p->List(i));
  } else if (auto* l = dynamic_cast<fw::Listbox*>(&c)) {
    for (int i = 0; i < l->ColumnCount(); ++i) out.push_back(l->Heading(i));
  } else if (auto* t = dynamic_cast<fw::TabPanel*>(&c)) {
    for (int i = 0; i < t->PanelCount(); ++i) out.push_back(t->Caption(i));
  } else {
    return std::nullopt;
  }
  return out;
}

QStringList Entries(const fw::PopupMenu& p) {
  QStringList out;
  for (int i = 0; i < p.ListCount(); ++i) out << p.List(i);
  return out;
}

const std::vector<ControlDecl>& Declaration() { return MainWindow::ControlDeclaration(); }

const ControlDecl& Declared(const QString& name) {
  for (const ControlDecl& d : Declaration())
    if (d.name == name) return d;
  throw std::runtime_error("not declared: " + name.toStdString());
}

std::string Describe(const ControlDecl& d) {
  std::string text = d.name.toStdString();
  if (d.index >= 0) text += '(' + std::to_string(d.index) + ')';
  return text;
}

// Each declared control with the control built from it.
std::vector<std::pair<const ControlDecl*, fw::RectControl*>> Built(const MainWindow& w) {
  std::vector<std::pair<const ControlDecl*, fw::RectControl*>> pairs;
  for (const ControlDecl& d : Declaration())
    pairs.emplace_back(&d, &w.Ctl<fw::RectControl>(d.name, d.index));
  return pairs;
}

class MainWindowBuild : public MainWindowFixture {};

TEST_F(MainWindowBuild, BuildsTheSixtyDeclaredControlsInTheirOrderParentsFirst) {
  ASSERT_EQ(Declaration().size(), 60u);
  MainWindow& w = OpenMainWindow();
  ASSERT_EQ(w.Controls().size(), Declaration().size());
  std::set<QString> made;
  for (size_t i = 0; i < Declaration().size(); ++i) {
    const ControlDecl& d = Declaration()[i];
    SCOPED_TRACE(Describe(d));
    EXPECT_EQ(w.Controls()[i]->Name(), d.name);
    EXPECT_EQ(w.Controls()[i]->Index(), d.index);
    if (!d.parent.isEmpty()) {
      EXPECT_TRUE(made.count(d.parent)) << "parent declared later";
    }
    made.insert(d.name);
  }
}

TEST_F(MainWindowBuild, EachControlIsBuiltAsDeclared) {
  MainWindow& w = OpenMainWindow();
  for (const auto& [d, c] : Built(w)) {
    SCOPED_TRACE(Describe(*d));
    EXPECT_TRUE(IsOfClass(*c, d->cls));
    EXPECT_EQ(c->Left(), d->left);
    EXPECT_EQ(c->Top(), d->top);
    EXPECT_EQ(c->Width(), d->width);
    EXPECT_EQ(c->Height(), d->height);
    EXPECT_EQ(c->Parent() ? c->Parent()->Name() : QString(), d->parent);
    EXPECT_EQ(c->PanelIndex(), d->page);
    EXPECT_EQ(c->Locks(), d->locks);
    EXPECT_EQ(c->TabIndex(), d->tabIndex);
    EXPECT_EQ(c->TabStop(), d->tabStop);
    EXPECT_EQ(c->AcceptFocus(), d->acceptFocus);
    EXPECT_EQ(c->Visible(), d->visible);

    const QFont font = c->widget()->font();
    EXPECT_EQ(font.bold(), d->bold);
    if (d->fontSize > 0) {
      EXPECT_EQ(font.pixelSize(), d->fontSize);
    }
    if (d->textColor != 0) {
      EXPECT_EQ(c->widget()->palette().color(QPalette::WindowText).rgb() & 0xffffff, d->textColor);
    }

    // The texts reach the widgets, line breaks and blanks included.
    if (const std::optional<QString> text = TextOf(*c)) {
      EXPECT_EQ(*text, d->text);
    }
    // The options pop-ups are filled from the form's at the opening.
    if (const auto items = ItemsOf(*c); items && !d->items.empty()) {
      EXPECT_EQ(*items, d->items);
    }
    if (auto* b = dynamic_cast<fw::PushButton*>(c)) {
      EXPECT_EQ(b->Default(), d->defaultButton);
      EXPECT_EQ(b->Cancel(), d->cancelButton);
    }
    if (auto* a = dynamic_cast<fw::TextArea*>(c)) {
      EXPECT_EQ(a->ReadOnly(), d->readOnly);
    }
    if (auto* l = dynamic_cast<fw::Listbox*>(c)) {
      EXPECT_EQ(l->ColumnCount(), d->columnCount);
      EXPECT_EQ(l->ColumnWidths(), d->columnWidths);
      EXPECT_EQ(l->HasHeading(), d->hasHeading);
      EXPECT_EQ(l->SelectionType(), d->selectionType);
      EXPECT_EQ(l->ColumnsResizable(), d->columnsResizable);
    }
  }
}

TEST_F(MainWindowBuild, TheFourSmallButtonsNeverTakeTheFocus) {
  MainWindow& w = OpenMainWindow();
  for (fw::BevelButton* b :
       {&w.SysMenuDelete(), &w.SysMenuAdd(), &w.TonMenuDelete(), &w.TonMenuAdd()}) {
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
            QStringList({u"ID"_s, u"Datum rückw."_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s,
                         u"Prod.Nummer"_s, u"Ort"_s}));
  EXPECT_EQ(w.SortOption().Text(), u"Datum rückw."_s);
  EXPECT_EQ(Entries(w.AufnTon()),
            QStringList({u"AMS"_s, u"CD"_s, u"DAT"_s, u"FS"_s, u"live"_s, u"Platte"_s, u"Band"_s}));
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
  const fw::ControlDecl& d = Declared(u"RecList"_s);
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
  EXPECT_EQ(label1[1],
            u"Die popup-Menüs werden beim Laden der Datenbank ggf. ergänzt wenn "
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

  const fw::ControlDecl& area = Declared(u"TextArea1"_s);
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
  for (const auto& [d, c] : Built(w)) {
    SCOPED_TRACE(Describe(*d));
    const bool top = d->locks & fw::kLockTop, bottom = d->locks & fw::kLockBottom;
    EXPECT_EQ(c->Top(), d->top + (bottom && !top ? kGrowth : 0));
    EXPECT_EQ(c->Height(), d->height + (bottom && top ? kGrowth : 0));
    EXPECT_EQ(c->Left(), d->left);
    EXPECT_EQ(c->Width(), d->width);
  }
  w.SetHeight(600);
  EXPECT_EQ(w.RecGroupBox().Top(), 310);
  EXPECT_EQ(w.TextArea1().Height(), 184);
}

// Records every event bound once the window's controls are made, and each
// time one fires.
class ProbeWindow : public MainWindow {
 public:
  void CreateControls() override {
    MainWindow::CreateControls();
    for (const auto& owned : Controls()) {
      fw::Control& c = *owned;
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
  }
  void Event_Open() override {
    firedBeforeOpen = fired;
    MainWindow::Event_Open();
  }

  QStringList bound;            // "Control.Event", by control
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
  const QStringList designed({
      u"TabView.Change"_s,       u"RecList.Change"_s,      u"RecList.Open"_s,
      u"RecList.DoubleClick"_s,  u"RecList.CompareRows"_s, u"ShowID.Action"_s,
      u"SortOnOpen.Action"_s,    u"SortOption.Change"_s,   u"SysMenuDelete.Action"_s,
      u"SysMenuAdd.Action"_s,    u"SysMenuDef.Action"_s,   u"TonMenuDef.Action"_s,
      u"TonMenuDelete.Action"_s, u"TonMenuAdd.Action"_s,   u"SearchBtn.Action"_s,
      u"DeleteBtn.Action"_s,     u"NewBtn.Action"_s,       u"AufnSchnitt.LostFocus"_s,
      u"AufnFertig.LostFocus"_s, u"UpdateBtn.Action"_s,    u"BackupDat.LostFocus"_s,
      u"ClearSearch.Action"_s,   u"CopyBtn.Action"_s,
  });
  // The table binds them in the design's order; the list's SortKey, its
  // comparison taken once per row, follows its CompareRows.
  QStringList table;
  for (const fw::EventBinding& row : MainWindow::EventBindings()) {
    for (const fw::EventHandler& e : row.events)
      if (e.event != u"SortKey"_s) table << row.control + u'.' + e.event;
  }
  EXPECT_EQ(table, designed);

  StartApp();
  ProbeWindow& w = fw::Window::SharedInstance<ProbeWindow>();
  // Every designed event is bound after the build, and no other (the
  // controls in creation order, the events of each in the table's order).
  EXPECT_EQ(w.bound, designed);
  EXPECT_TRUE(w.RecList().SortKey);
  // Only the list's Open event ran, once all controls existed and before
  // the window's own Open event.
  EXPECT_EQ(w.firedBeforeOpen, QStringList({u"RecList.Open"_s}));
  w.Close();
}

}  // namespace
