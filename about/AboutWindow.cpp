// The About window's build hooks and its handlers.

#include "about/AboutWindow.h"

#include "about/VersionText.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Author.h"
#include "framework/Dialogs.h"
#include "framework/Menu.h"
#include "mainwindow/MainWindow.h"

using namespace fw::literals;
using fw::Integer;

namespace {

// The pointer over a link, and elsewhere.
constexpr fw::MouseCursor kHand = fw::MouseCursor::kFingerPointer;
constexpr fw::MouseCursor kArrow = fw::MouseCursor::kStandardPointer;

}  // namespace

AboutWindow::AboutWindow() = default;

fw::String AboutWindow::AuthorPage() { return u"https://"_s + AuthorDomain() + u"/software"_s; }

fw::String AboutWindow::CreatorPage() { return u"https://www.qt.io/"_s; }

// --- build hooks -------------------------------------------------------

void AboutWindow::Layout() {
  SetDesign({.title = u""_s,
             .width = 397,
             .height = 234,
             .minWidth = 64,
             .minHeight = 64,
             .maxWidth = 32000,
             .maxHeight = 32000,
             .closeButton = true,
             .resizeable = false,
             .minimizeButton = false,
             .maximizeButton = false,
             .visible = true});
}

void AboutWindow::CreateControls() {
  CreateControlsFrom(ControlDeclaration());
  BindEvents(EventBindings());
}

void AboutWindow::AddMenuHandlers() {
  AddMenuHandler(u"FileClose"_s, [this] { return FileClose_Action(); });
}

// --- control events ----------------------------------------------------

void AboutWindow::StatAppVersion_Open(fw::Label& me) {
  const App& app = App::SharedInstance();
  me.SetText(VersionText(app.MajorVersion(), app.MinorVersion(), app.BugVersion()));
}

// The year the main window took when it opened, not today's.
void AboutWindow::StatAppCopyright_Open(fw::Label& me) {
  const fw::String year = fw::Str(MainWindow::SharedInstance().today.Year());
  me.SetText(fw::ReplaceAll(me.Text(), u"%1"_s, year));
}

bool AboutWindow::StatAppCopyright_MouseDown(fw::Label&, Integer, Integer) { return true; }
void AboutWindow::StatAppCopyright_MouseUp(fw::Label&, Integer, Integer) {
  fw::ShowURL(AuthorPage());
}
void AboutWindow::StatAppCopyright_MouseEnter(fw::Label& me) { me.SetMouseCursor(kHand); }
void AboutWindow::StatAppCopyright_MouseExit(fw::Label& me) { me.SetMouseCursor(kArrow); }

bool AboutWindow::StatAppCreator_MouseDown(fw::Label&, Integer, Integer) { return true; }
void AboutWindow::StatAppCreator_MouseUp(fw::Label&, Integer, Integer) {
  fw::ShowURL(CreatorPage());
}
void AboutWindow::StatAppCreator_MouseEnter(fw::Label& me) { me.SetMouseCursor(kHand); }
void AboutWindow::StatAppCreator_MouseExit(fw::Label& me) { me.SetMouseCursor(kArrow); }

bool AboutWindow::CreatorLogo_MouseDown(fw::Canvas&, Integer, Integer) { return true; }
void AboutWindow::CreatorLogo_MouseUp(fw::Canvas&, Integer, Integer) { fw::ShowURL(CreatorPage()); }
void AboutWindow::CreatorLogo_MouseEnter(fw::Canvas& me) { me.SetMouseCursor(kHand); }
void AboutWindow::CreatorLogo_MouseExit(fw::Canvas& me) { me.SetMouseCursor(kArrow); }

// --- window events and menus ---------------------------------------------

void AboutWindow::Event_EnableMenuItems() { MenuBar1::Item(u"FileClose"_s).SetEnabled(true); }

bool AboutWindow::FileClose_Action() {
  Close();
  return true;
}
