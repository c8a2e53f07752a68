#include "framework/Controls.h"

#include "framework/Application.h"
#include "framework/Window.h"
#include "framework/ui/ControlSupport.h"

#include <QWidget>

namespace fw {

Control::~Control() = default;

Integer RectControl::Left() const { return left_; }
Integer RectControl::Top() const { return top_; }
Integer RectControl::Width() const { return width_; }
Integer RectControl::Height() const { return height_; }

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  widget()->setEnabled(enabled);  // Qt disables what a disabled widget contains
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  ui::ApplyShown(*this);
}

void RectControl::SetFocus() { ui::FocusTarget(*this)->setFocus(Qt::OtherFocusReason); }

bool RectControl::HasFocus() const { return ui::FocusTarget(*this)->hasFocus(); }

namespace ui {
namespace {

bool OnShownPage(const RectControl& control) {
  if (control.PanelIndex() <= 0) return true;
  for (const RectControl* p = control.Parent(); p; p = p->Parent()) {
    if (auto* panel = dynamic_cast<const TabPanel*>(p))
      return panel->Value() == control.PanelIndex() - 1;
  }
  return true;
}

}  // namespace

bool EventsSuppressed(const Control& control) {
  const Window* w = control.Window();
  return w && (w->IsBuilding() || w->IsClosed());
}

void RaiseFromProgram(const Control& control, const std::function<void()>& handler) {
  if (handler && !EventsSuppressed(control)) handler();
}

void RaiseFromUser(const Control& control, const std::function<void()>& handler) {
  if (handler && !EventsSuppressed(control)) Dispatch(handler);
}

QWidget* FocusTarget(const RectControl& control) {
  QWidget* w = control.widget();
  return w->focusProxy() ? w->focusProxy() : w;
}

void ApplyShown(const RectControl& control) {
  QWidget* w = control.widget();
  // A widget without a parent would become a window of its own.
  if (!w->parentWidget()) return;
  w->setVisible(control.Visible() && OnShownPage(control));
}

}  // namespace ui
}  // namespace fw
