#include "framework/ui/MenuEnabling.h"

#include "framework/Application.h"
#include "framework/EventBinding.h"
#include "framework/Window.h"
#include "framework/ui/DesignText.h"
#include "framework/ui/EventGate.h"
#include "framework/ui/RunState.h"
#include "framework/ui/StandardEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>

#include <set>
#include <vector>

namespace fw {
namespace {

bool updating = false;
std::set<MenuItem*> explicitItems;

// "Cmd+Shift+P": the framework's notation, Cmd being Ctrl here.
QKeySequence ShortcutOf(const String& text) {
  if (text.isEmpty()) return {};
  String portable = text;
  portable.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"));
  return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

// The menu bars in force: the application's and the front window's.
std::vector<MenuItem*> Roots(const Window* front) {
  std::vector<MenuItem*> roots;
  if (Application* app = Application::Instance(); app && app->MenuBar())
    roots.push_back(app->MenuBar());
  if (front && front->MenuBar() && (roots.empty() || roots[0] != front->MenuBar()))
    roots.push_back(front->MenuBar());
  return roots;
}

template <class F>
void ForEachLeaf(MenuItem& item, const F& f) {
  if (item.Count() == 0) {
    if (!item.IsSeparator()) f(item);
    return;
  }
  for (Integer i = 0; i < item.Count(); ++i) ForEachLeaf(*item.Item(i), f);
}

template <class F>
void ForEachItem(MenuItem& item, const F& f) {
  f(item);
  for (Integer i = 0; i < item.Count(); ++i) ForEachItem(*item.Item(i), f);
}

const std::function<bool()>* HandlerFor(const MenuItem& item, const Window* front) {
  if (front) {
    if (const auto* h = front->MenuHandler(item.Name)) return h;
  }
  if (Application* app = Application::Instance()) return app->MenuHandler(item.Name);
  return nullptr;
}

// AutoEnable: the item has someone to run it.
bool Served(const MenuItem& item, const Window* front) {
  if (HandlerFor(item, front)) return true;
  if (item.kind() == MenuItem::kQuit) return true;
  return ui::IsStandardEdit(item.Name) && ui::StandardEditAvailable(item.Name, front);
}

void CloseEveryWindow() {
  for (Window* w : Window::OpenWindows()) w->Close();
  if (!QuitRequested()) Quit(0);
}

}  // namespace

QAction* MenuEnabling::ActionOf(MenuItem& item) {
  if (item.action_) return item.action_;
  auto* action = new QAction();
  item.action_ = action;
  if (item.Count() > 0) {
    item.menu_ = new QMenu();
    action->setMenu(item.menu_);
    for (Integer i = 0; i < item.Count(); ++i) item.menu_->addAction(ActionOf(*item.Item(i)));
    QObject::connect(item.menu_, &QMenu::aboutToShow, item.menu_, [] {
      if (!ui::HandlerRunning()) Dispatch(&MenuEnabling::Refresh);
    });
  } else {
    QObject::connect(action, &QAction::triggered, action,
                     [&item] { Dispatch([&item] { Trigger(item); }); });
  }
  Sync(item);
  return action;
}

void MenuEnabling::Sync(MenuItem& item) {
  QAction* a = item.action_;
  if (!a) return;
  a->setSeparator(item.IsSeparator());
  if (!item.IsSeparator()) a->setText(ui::LiteralCaption(item.Text()));
  const QKeySequence shortcut = ShortcutOf(item.KeyboardShortcut);
  if (a->shortcut() != shortcut) a->setShortcut(shortcut);
  a->setVisible(item.Visible);
  a->setEnabled(item.Enabled());
}

void MenuEnabling::FillMenuBar(QMenuBar& bar, MenuItem& root) {
  for (Integer i = 0; i < root.Count(); ++i) bar.addAction(ActionOf(*root.Item(i)));
}

void MenuEnabling::AddShortcuts(QWidget& widget, MenuItem& root) {
  ForEachLeaf(root, [&widget](MenuItem& item) { widget.addAction(ActionOf(item)); });
}

bool MenuEnabling::Updating() { return updating; }

void MenuEnabling::Refresh() {
  if (updating) return;
  Window* front = Window::FrontWindow();
  const std::vector<MenuItem*> roots = Roots(front);
  {
    QScopedValueRollback<bool> guard(updating, true);
    for (MenuItem* root : roots) {
      ForEachLeaf(*root, [front](MenuItem& item) {
        bool on = item.AutoEnable ? Served(item, front) : item.enabled_;
        // A window's own setting holds while that window is in front.
        if (item.hasExplicit_ && (!item.explicitOwner_ || item.explicitOwner_ == front))
          on = item.explicitValue_;
        item.enabled_ = on;
      });
    }
    if (front) front->Event_EnableMenuItems();
    if (Application* app = Application::Instance()) app->Event_EnableMenuItems();
  }
  for (MenuItem* root : roots) ForEachItem(*root, [](MenuItem& item) { Sync(item); });
}

bool MenuEnabling::ClaimShortcut(const QKeyEvent& event) {
  if (ui::HandlerRunning()) return false;  // a modal dialog has the keys
  const QKeySequence key(QKeyCombination(
      event.modifiers() &
          (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier),
      Qt::Key(event.key())));
  Window* front = Window::FrontWindow();
  MenuItem* match = nullptr;
  for (MenuItem* root : Roots(front)) {
    ForEachLeaf(*root, [&](MenuItem& item) {
      if (!match && !item.KeyboardShortcut.isEmpty() && ActionOf(item)->shortcut() == key)
        match = &item;
    });
  }
  if (!match) return false;
  Dispatch(&MenuEnabling::Refresh);
  return match->Enabled() && (HandlerFor(*match, front) || match->kind() == MenuItem::kQuit);
}

void MenuEnabling::Trigger(MenuItem& item) {
  Window* front = Window::FrontWindow();
  if (const auto* handler = HandlerFor(item, front)) {
    (*handler)();
  } else if (item.kind() == MenuItem::kQuit) {
    CloseEveryWindow();
  } else if (ui::IsStandardEdit(item.Name)) {
    ui::RunStandardEdit(item.Name, front);
  }
}

void MenuEnabling::RecordExplicit(MenuItem& item) {
  item.hasExplicit_ = true;
  item.explicitValue_ = item.enabled_;
  // The window being built, else the one whose handler runs (a search
  // window's "Finden" refills the main window's list, whose Change handler
  // sets the main window's items), else the front one.
  const Window* owner = ui::WindowBeingBuilt();
  if (!owner) owner = RunningHandler::WindowOf();
  if (owner && owner->IsClosed()) owner = nullptr;  // forgotten already
  item.explicitOwner_ = owner ? owner : Window::FrontWindow();
  explicitItems.insert(&item);
}

void MenuEnabling::ForgetWindow(const Window& window) {
  for (auto it = explicitItems.begin(); it != explicitItems.end();) {
    if ((*it)->explicitOwner_ == &window) {
      (*it)->hasExplicit_ = false;
      it = explicitItems.erase(it);
    } else {
      ++it;
    }
  }
}

void MenuEnabling::ForgetAll() {
  for (MenuItem* item : explicitItems) item->hasExplicit_ = false;
  explicitItems.clear();
}

void MenuEnabling::Destroyed(MenuItem& item) { explicitItems.erase(&item); }

}  // namespace fw
