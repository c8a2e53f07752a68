// The search window's build hooks and what it does with
// the user's actions: the search, the expert part with its live preview,
// the operator label and the two window events.

#include "search/SearchWindow.h"

#include "app/MenuBar1.h"
#include "framework/Menu.h"
#include "framework/Runtime.h"
#include "mainwindow/MainWindow.h"

#include <algorithm>

using namespace fw::literals;

namespace {

constexpr fw::Integer kClosedHeight = 112;
constexpr fw::Integer kExpertHeight = 150;

fw::MenuItem& SelectAllItem() { return MenuBar1::Item(u"EditSelectAll"_s); }

}  // namespace

SearchWindow::SearchWindow() = default;

// --- build hooks -------------------------------------------------------

void SearchWindow::Layout() {
  // No menu bar of its own: the layer shows the application's above the
  // content.
  SetDesign({.title = u"Suchen"_s,
             .width = 600,
             .height = kClosedHeight,
             .minWidth = 64,
             .minHeight = 64,
             .maxWidth = 32000,
             .maxHeight = 32000,
             .closeButton = false,
             .resizeable = false,
             .minimizeButton = false,
             .maximizeButton = false,
             .visible = false,
             .menuBarVisible = true});
}

void SearchWindow::CreateControls() {
  CreateControlsFrom(ControlDeclaration());
  BindEvents(EventBindings());
}

// --- the search ----------------------------------------------------------

void SearchWindow::EnterSearch_Action(fw::PushButton&) {
  if (Xpert().Value()) {
    filter = SearchSQL().Text();  // as typed: not examined, not trimmed
  } else {
    BuildSearchString();
  }
  MainWindow& main = MainWindow::SharedInstance();
  main.ClearSearch().SetEnabled(!filter.isEmpty());
  SelectAllItem().SetEnabled(!filter.isEmpty());
  main.UpdateRecList();
  main.ClearFields(true);
  Hide();
}

// --- the live preview ----------------------------------------------------

// Writes `filter` itself, before "Finden": whatever reads the condition
// meanwhile (a refill, an export, a printout) meets the previewed one.
void SearchWindow::Preview() {
  if (!Xpert().Value()) return;
  BuildSearchString();
  SearchSQL().SetText(filter);
}

void SearchWindow::SearchBy_Change(fw::PopupMenu&) { Preview(); }
void SearchWindow::SearchFor_TextChange(fw::TextField&) { Preview(); }
void SearchWindow::SearchOption_Change(fw::PopupMenu&) { Preview(); }
void SearchWindow::SearchSurr_Action(fw::CheckBox&) { Preview(); }
void SearchWindow::SearchCD_Action(fw::CheckBox&) { Preview(); }
void SearchWindow::SearchUnfinished_Action(fw::CheckBox&) { Preview(); }
void SearchWindow::SearchDateType_Change(fw::PopupMenu&) { Preview(); }
void SearchWindow::SearchByDate_TextChange(fw::TextField&) { Preview(); }

// --- the expert part -----------------------------------------------------

// Every opening shows the condition built afresh; closing only sets the
// height.
void SearchWindow::Xpert_Action(fw::DisclosureTriangle& me) {
  SetHeight(me.Value() ? kExpertHeight : kClosedHeight);
  Preview();
}

// The label acts on the release: the press only claims the click.
bool SearchWindow::Label3_MouseDown(fw::Label&, fw::Integer, fw::Integer) { return true; }

void SearchWindow::Label3_MouseUp(fw::Label&, fw::Integer, fw::Integer) {
  // Setting the value raises no Action, so the triangle's steps run once.
  Xpert().SetValue(!Xpert().Value());
  Xpert_Action(Xpert());
}

// --- the comparison operator -----------------------------------------------

bool SearchWindow::DateOperator_MouseDown(fw::Label&, fw::Integer, fw::Integer) { return true; }

void SearchWindow::DateOperator_MouseUp(fw::Label& me, fw::Integer, fw::Integer) {
  const std::vector<fw::String>& ops = DateOperators();
  const auto at = std::find(ops.begin(), ops.end(), me.Text());
  if (at != ops.end()) me.SetText(at + 1 == ops.end() ? ops.front() : *(at + 1));
  Preview();
}

// --- window events -------------------------------------------------------

void SearchWindow::Event_Activate() {
  SelectAllItem().SetText(u"Alle Auswählen"_s);
  if (Xpert().Value() && !filter.isEmpty()) {
    SearchSQL().SetText(filter);
    SearchSQL().SelectAll();
    SearchSQL().SetFocus();
  } else {
    SearchFor().SelectAll();
    SearchFor().SetFocus();
  }
}

// No handler is bound to the item here: in this window it is the layer's
// select-all of the focused field.
void SearchWindow::Event_EnableMenuItems() { SelectAllItem().SetEnabled(true); }
