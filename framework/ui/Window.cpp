// Windows: the build, the design, showing, activating and closing, and the
// registry of open windows.

#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/Menu.h"
#include "framework/ui/EventGate.h"
#include "framework/ui/MenuEnabling.h"
#include "framework/ui/RunState.h"
#include "framework/ui/WindowImpl.h"

#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace fw {
namespace {

// Every window not yet closed, front to back.
std::vector<Window*>& Order() {
  static std::vector<Window*> order;
  return order;
}

// The shared instances, by class.
std::vector<std::pair<std::type_index, Window*>>& Shared() {
  static std::vector<std::pair<std::type_index, Window*>> shared;
  return shared;
}

const Window* beingBuilt = nullptr;

void Unlist(const Window* w) {
  std::erase(Order(), w);
  std::erase_if(Shared(), [w](const auto& entry) { return entry.second == w; });
}

void BringToFront(Window* w) {
  auto& order = Order();
  auto it = std::find(order.begin(), order.end(), w);
  if (it != order.end()) std::rotate(order.begin(), it, it + 1);
}

}  // namespace

namespace ui {
const Window* WindowBeingBuilt() { return beingBuilt; }
}  // namespace ui

Window::Window() : d(std::make_unique<Impl>()) {
  ui::InstallAppHooks();
  Order().push_back(this);
  // A held event finds its window still there while its widget is: the
  // window deletes the widget as it goes.
  d->widget->activated = [this] {
    ui::DispatchWhenIdle([this, alive = QPointer<QWidget>(d->widget)] {
      if (alive) Activated();
    });
  };
  d->widget->closeRequested = [this] { CloseRequested(); };
  d->widget->resized = [this] { PlaceControls(); };
  d->widget->returnOrEscape = [this](bool escape) { return PushForKey(escape); };
  SetDesign(design_);
}

Window::~Window() {
  closed_ = true;  // no control event runs while the widgets go
  Unlist(this);
  MenuEnabling::ForgetWindow(*this);
  delete d->widget;
}

void Window::Build() {
  QScopedValueRollback<const Window*> current(beingBuilt, this);
  {
    QScopedValueRollback<bool> quiet(d->building, true);
    Layout();
    if (!menuBar_) {
      if (Application* app = Application::Instance(); app && app->MenuBar()) {
        if (design_.menuBarVisible) {
          ShowMenuBar(*app->MenuBar());
        } else {
          MenuEnabling::AddShortcuts(*d->widget, *app->MenuBar());
        }
      }
    }
    CreateControls();
    AddMenuHandlers();
  }
  for (const auto& c : controls_) {
    if (auto* rc = dynamic_cast<RectControl*>(c.get()); rc && rc->Open) rc->Open();
  }
  Event_Open();
  if (design_.visible && !closed_) Show();
}

bool Window::IsBuilding() const { return d->building; }

// --- design ---------------------------------------------------------------

void Window::SetDesign(const WindowDesign& design) {
  design_ = design;
  QWidget* w = d->widget;
  w->setWindowTitle(design.title);
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
  if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (design.maximizeButton && design.resizeable) flags |= Qt::WindowMaximizeButtonHint;
  if (w->windowFlags() != flags) {
    const bool shown = w->isVisible();
    w->setWindowFlags(flags);  // hides the window
    if (shown) w->show();
  }
  d->widget->setMenuBarShown(design.menuBarVisible);
  FitContent(design.width, design.height);
}

// The window sized so that its content area is width x height, within the
// design's limits (the menu bar comes on top).
void Window::FitContent(int width, int height) {
  const WindowDesign& g = design_;
  width = std::clamp(width, g.minWidth, std::max(g.minWidth, g.maxWidth));
  height = std::clamp(height, g.minHeight, std::max(g.minHeight, g.maxHeight));
  QWidget* w = d->widget;
  const int bar = d->widget->menuBarHeightFor(width);
  if (!g.resizeable) {
    w->setFixedSize(width, height + bar);
  } else {
    w->setMinimumSize(g.minWidth, g.minHeight + bar);
    w->setMaximumSize(std::min(g.maxWidth, QWIDGETSIZE_MAX),
                      std::min(g.maxHeight + bar, QWIDGETSIZE_MAX));
    w->resize(width, height + bar);
  }
  d->widget->arrange();
  PlaceControls();
}

Integer Window::Width() const { return d->widget->width(); }

Integer Window::Height() const { return d->widget->height() - d->widget->menuBarHeight(); }

void Window::SetHeight(Integer height) { FitContent(Width(), height); }

void Window::SetMenuBar(fw::MenuBar* bar) {
  menuBar_ = bar;
  if (bar) {
    ShowMenuBar(*bar);
  } else {
    const int width = Width(), height = Height();
    d->widget->removeMenuBar();
    FitContent(width, height);
  }
}

void Window::ShowMenuBar(fw::MenuBar& bar) {
  const int width = Width(), height = Height();
  MenuEnabling::FillMenuBar(*d->widget->makeMenuBar(), bar);
  MenuEnabling::AddShortcuts(*d->widget, bar);
  FitContent(width, height);
}

// --- showing, activating, closing --------------------------------------------

void Window::Show() {
  if (closed_) return;
  BringToFront(this);
  QWidget* w = d->widget;
  // A window the user minimized comes back as it was before (maximized
  // stays maximized), hidden since or not.
  if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
  if (w->isVisible()) w->raise();  // a new window comes up on top anyway
  w->show();
  w->activateWindow();
}

void Window::Hide() { d->widget->hide(); }

bool Window::IsVisible() const { return d->widget->isVisible(); }

void Window::Activated() {
  if (closed_ || d->activating) return;
  BringToFront(this);
  QScopedValueRollback<bool> once(d->activating, true);
  Event_Activate();
  MenuEnabling::Refresh();
}

void Window::CloseRequested() {
  if (!design_.closeButton) return;  // no close box: nothing closes it from outside
  ui::DispatchWhenIdle([this, alive = QPointer<QWidget>(d->widget)] {
    if (alive) Close();
  });
}

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  // Gone also when Event_Close fails.
  const auto forget = qScopeGuard([this] { Forget(); });
  Event_Close();
}

void Window::Forget() {
  Unlist(this);
  MenuEnabling::ForgetWindow(*this);
  d->widget->hide();
  if (d->owned) ui::DeleteWhenIdle(this);
  ui::WindowClosed();
}

// --- menus ----------------------------------------------------------------

void Window::AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

const std::function<bool()>* Window::MenuHandler(const String& itemName) const {
  auto it = menuHandlers_.find(itemName);
  return it == menuHandlers_.end() ? nullptr : &it->second;
}

// --- the registry -----------------------------------------------------------

void Window::Register(std::type_index type, Window* window) {
  window->d->owned = true;
  Shared().emplace_back(type, window);
}

Window* Window::FindOpen(std::type_index type) {
  for (const auto& [t, w] : Shared()) {
    if (t == type) return w;
  }
  return nullptr;
}

std::vector<Window*> Window::OpenWindows() { return Order(); }

Window* Window::FrontWindow() {
  for (Window* w : Order()) {
    if (w->IsVisible()) return w;
  }
  return nullptr;
}

QWidget* Window::widget() const { return d->widget; }

}  // namespace fw
