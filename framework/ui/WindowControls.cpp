// A window's controls: made from their declaration, placed in the content
// area by hand (locks included), and chained in focus order.

#include "framework/Window.h"

#include "framework/Listbox.h"
#include "framework/ui/ControlSupport.h"
#include "framework/ui/WindowImpl.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <climits>
#include <functional>
#include <stdexcept>

namespace fw {
namespace {

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::kCenter: return Qt::AlignHCenter;
    case Align::kRight: return Qt::AlignRight;
    case Align::kLeft:
    case Align::kDefault: break;
  }
  return Qt::AlignLeft;
}

std::unique_ptr<RectControl> NewLabel(const ControlDecl& decl) {
  auto label = std::make_unique<Label>();
  label->SetText(decl.text);
  auto* q = qobject_cast<QLabel*>(label->widget());
  q->setWordWrap(decl.multiline);
  q->setAlignment(AlignmentOf(decl.alignment) | (decl.multiline ? Qt::AlignTop : Qt::AlignVCenter));
  return label;
}

std::unique_ptr<RectControl> NewTextField(const ControlDecl& decl) {
  auto field = std::make_unique<TextField>();
  field->SetText(decl.text);
  auto* q = qobject_cast<QLineEdit*>(field->widget());
  q->setAlignment(AlignmentOf(decl.alignment) | Qt::AlignVCenter);
  q->setReadOnly(decl.readOnly);
  return field;
}

std::unique_ptr<RectControl> NewListbox(const ControlDecl& decl) {
  auto list = std::make_unique<Listbox>();
  list->SetColumnCount(decl.columnCount);
  list->SetHasHeading(decl.hasHeading);
  list->SetColumnsResizable(decl.columnsResizable);
  if (decl.hasHeading) {
    for (size_t i = 0; i < decl.items.size(); ++i)
      list->SetHeading(static_cast<Integer>(i), decl.items[i]);
  }
  if (!decl.columnWidths.isEmpty()) list->SetColumnWidths(decl.columnWidths);
  list->SetHeadingIndex(decl.headingIndex);
  list->SetSelectionType(decl.selectionType);
  return list;
}

template <class T>
std::unique_ptr<RectControl> WithCaption(const ControlDecl& decl) {
  auto c = std::make_unique<T>();
  c->SetCaption(decl.text);
  return c;
}

void ApplyFont(QWidget& w, const ControlDecl& decl) {
  // Set on every control, so none takes its container's font. A design
  // point is a pixel of the geometry, so a size is one in pixels too.
  QFont font = QApplication::font(&w);
  if (decl.fontSize > 0) {
    font.setPixelSize(decl.fontSize);
  } else {
    font.setPointSizeF(font.pointSizeF());
  }
  font.setBold(decl.bold);
  w.setFont(font);
  if (decl.textColor != 0) {
    QPalette palette = w.palette();
    const QColor color = QColor::fromRgb(decl.textColor);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, color);
    w.setPalette(palette);
  }
}

TabPanel* PanelAbove(RectControl* parent) {
  for (RectControl* p = parent; p; p = p->Parent()) {
    if (auto* panel = dynamic_cast<TabPanel*>(p)) return panel;
  }
  return nullptr;
}

// The declared span, kept at its distance to the edges it is locked to.
void Stretch(int pos, int size, bool nearLock, bool farLock, int delta, int& outPos, int& outSize) {
  outPos = pos;
  outSize = size;
  if (!farLock) return;
  if (nearLock) {
    outSize = std::max(0, size + delta);
  } else {
    outPos = pos + delta;
  }
}

}  // namespace

std::unique_ptr<RectControl> Window::NewControl(const ControlDecl& decl) {
  using enum ControlClass;
  switch (decl.cls) {
    case kTabPanel: {
      auto panel = std::make_unique<TabPanel>();
      for (const String& caption : decl.items) panel->AppendPanel(caption);
      panel->SetValue(std::max(decl.listIndex, 0));
      return panel;
    }
    case kListbox: return NewListbox(decl);
    case kLabel: return NewLabel(decl);
    case kGroupBox: return WithCaption<GroupBox>(decl);
    case kCheckBox: {
      auto box = WithCaption<CheckBox>(decl);
      static_cast<CheckBox&>(*box).SetValue(decl.checked);
      return box;
    }
    case kPopupMenu: {
      auto popup = std::make_unique<PopupMenu>();
      for (const String& entry : decl.items) popup->AddRow(entry);
      popup->SetListIndex(decl.listIndex);
      return popup;
    }
    case kBevelButton: return WithCaption<BevelButton>(decl);
    case kTextField: return NewTextField(decl);
    case kPushButton: {
      auto button = std::make_unique<PushButton>();
      button->SetCaption(decl.text);
      button->SetRoles(decl.defaultButton, decl.cancelButton);
      return button;
    }
    case kTextArea: {
      auto area = std::make_unique<TextArea>();
      area->SetText(decl.text);
      area->SetReadOnly(decl.readOnly);
      return area;
    }
    case kDisclosureTriangle: {
      auto triangle = std::make_unique<DisclosureTriangle>();
      triangle->SetValue(decl.checked);
      return triangle;
    }
    case kCanvas: {
      auto canvas = std::make_unique<Canvas>();
      canvas->SetBackdrop(decl.backdrop);
      return canvas;
    }
  }
  throw std::invalid_argument("control class not supported: " + decl.name.toStdString());
}

void Window::CreateControlsFrom(const std::vector<ControlDecl>& table) {
  for (const ControlDecl& decl : table) {
    std::unique_ptr<RectControl> made = NewControl(decl);
    RectControl& c = *made;
    c.name_ = decl.name;
    c.index_ = decl.index;
    c.window_ = this;
    controls_.push_back(std::move(made));
    Place(c, decl);
  }
  PlaceControls();
  ApplyTabOrder();
}

void Window::Place(RectControl& c, const ControlDecl& decl) {
  RectControl* parent = nullptr;
  if (!decl.parent.isEmpty()) {
    parent = dynamic_cast<RectControl*>(ControlByName(decl.parent));
    if (!parent) throw NilObjectException(QStringLiteral("no parent control ") + decl.parent);
  }
  c.parent_ = parent;
  c.page_ = decl.page;
  c.locks_ = decl.locks;
  c.tabIndex_ = decl.tabIndex;
  c.tabStop_ = decl.tabStop;
  c.acceptFocus_ = decl.acceptFocus;
  c.designLeft_ = decl.left;
  c.designTop_ = decl.top;
  c.designWidth_ = decl.width;
  c.designHeight_ = decl.height;

  QWidget* w = c.widget();
  w->setParent(parent ? parent->widget() : d->widget->content());
  ApplyFont(*w, decl);
  if (!decl.helpTag.isEmpty()) w->setToolTip(decl.helpTag);
  QWidget* focus = ui::FocusTarget(c);
  if (!decl.acceptFocus) {
    focus->setFocusPolicy(Qt::NoFocus);
  } else if (!decl.tabStop) {
    // The Tab key passes it by; a click focuses it when its widget takes the
    // focus on a click at all (a tab bar takes it only by the Tab key, so
    // then not at all).
    focus->setFocusPolicy((focus->focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
  }
  c.SetEnabled(decl.enabled);
  if (decl.page > 0) {
    if (TabPanel* panel = PanelAbove(parent)) panel->AddPageControl(c);
  }
  c.SetVisible(decl.visible);
}

void Window::PlaceControls() {
  const int dw = Width() - design_.width;
  const int dh = Height() - design_.height;
  for (const auto& control : controls_) {
    auto* c = dynamic_cast<RectControl*>(control.get());
    if (!c) continue;
    Stretch(c->designLeft_, c->designWidth_, c->locks_ & kLockLeft, c->locks_ & kLockRight, dw,
            c->left_, c->width_);
    Stretch(c->designTop_, c->designHeight_, c->locks_ & kLockTop, c->locks_ & kLockBottom, dh,
            c->top_, c->height_);
    // Positions are the content area's; the widget sits in its parent's.
    const RectControl* p = c->parent_;
    c->widget()->setGeometry(c->left_ - (p ? p->left_ : 0), c->top_ - (p ? p->top_ : 0), c->width_,
                             c->height_);
  }
}

// The Tab key's order: the controls of each parent by TabIndex (those
// without one after them, in creation order), each followed by what it
// contains.
void Window::ApplyTabOrder() {
  std::vector<QWidget*> chain;
  std::function<void(const RectControl*)> visit = [&](const RectControl* parent) {
    std::vector<RectControl*> kids;
    for (const auto& control : controls_) {
      auto* c = dynamic_cast<RectControl*>(control.get());
      if (c && c->parent_ == parent) kids.push_back(c);
    }
    std::stable_sort(kids.begin(), kids.end(), [](const RectControl* a, const RectControl* b) {
      return (a->tabIndex_ < 0 ? INT_MAX : a->tabIndex_) <
             (b->tabIndex_ < 0 ? INT_MAX : b->tabIndex_);
    });
    for (RectControl* c : kids) {
      QWidget* focus = ui::FocusTarget(*c);
      if (focus->focusPolicy() != Qt::NoFocus) chain.push_back(focus);
      visit(c);
    }
  };
  visit(nullptr);
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

Control* Window::ControlByName(const String& name) const {
  for (const auto& c : controls_) {
    if (c->name_ == name) return c.get();
  }
  return nullptr;
}

Control* Window::ControlByNameIndex(const String& name, Integer index) const {
  for (const auto& c : controls_) {
    if (c->name_ == name && c->index_ == index) return c.get();
  }
  return nullptr;
}

Control* Window::Focus() const {
  QWidget* focus = d->widget->focusWidget();
  if (!focus) return nullptr;
  // The innermost control first: a group contains the fields in it.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    QWidget* w = (*it)->widget();
    if (w == focus || w->isAncestorOf(focus)) return it->get();
  }
  return nullptr;
}

bool Window::PushForKey(bool cancel) {
  for (const auto& control : controls_) {
    auto* b = dynamic_cast<PushButton*>(control.get());
    if (!b || !(cancel ? b->Cancel() : b->Default())) continue;
    if (!b->widget()->isEnabled() || !b->widget()->isVisibleTo(d->widget)) continue;
    // The key pushes the button as a click would: a button that takes the
    // focus on a click takes it first, so the field being left runs its
    // LostFocus check before the button's Action.
    if (b->widget()->focusPolicy() & Qt::ClickFocus) b->widget()->setFocus(Qt::MouseFocusReason);
    ui::RaiseFromUser(*b, b->Action);
    return true;
  }
  return false;
}

}  // namespace fw
