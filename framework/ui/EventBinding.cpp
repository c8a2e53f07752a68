// The controls' events by name, for the windows' binding tables.

#include "framework/EventBinding.h"

#include "framework/Listbox.h"
#include "framework/Window.h"

#include <vector>

namespace fw {
namespace {

// The member `slot` of `c` when `c` is a T.
template <class T, class F>
F* SlotOf(Control& c, F T::*slot) {
  T* t = dynamic_cast<T*>(&c);
  return t ? &(t->*slot) : nullptr;
}

// The first of the `members` that `c` has.
template <class F, class... Members>
F* FirstSlot(Control& c, Members... members) {
  F* found = nullptr;
  ((found = SlotOf(c, members)) || ...);
  return found;
}

// An event by its name: its type and the classes that have it.
struct Event {
  const char16_t* name;
  const std::type_info* type;
  std::function<void*(Control&)> find;
};

template <class T, class F, class... Members>
Event Named(const char16_t* name, F T::*first, Members... rest) {
  return {name, &typeid(F),
          [first, rest...](Control& c) -> void* { return FirstSlot<F>(c, first, rest...); }};
}

const std::vector<Event>& Events() {
  static const std::vector<Event> events = {
      Named(u"Open", &RectControl::Open),
      Named(u"Change", &TabPanel::Change, &PopupMenu::Change, &Listbox::Change),
      Named(u"Action", &CheckBox::Action, &PushButton::Action, &BevelButton::Action,
            &DisclosureTriangle::Action),
      Named(u"DoubleClick", &Listbox::DoubleClick),
      Named(u"CompareRows", &Listbox::CompareRows),
      Named(u"SortKey", &Listbox::SortKey),
      Named(u"LostFocus", &TextField::LostFocus),
      Named(u"TextChange", &TextField::TextChange),
      Named(u"MouseDown", &MouseControl::MouseDown),
      Named(u"MouseUp", &MouseControl::MouseUp),
      Named(u"MouseEnter", &MouseControl::MouseEnter),
      Named(u"MouseExit", &MouseControl::MouseExit),
  };
  return events;
}

}  // namespace

namespace {
const Window* runningHandlerWindow = nullptr;
}  // namespace

RunningHandler::RunningHandler(const Window& window) : outer_(runningHandlerWindow) {
  runningHandlerWindow = &window;
}

RunningHandler::~RunningHandler() { runningHandlerWindow = outer_; }

const Window* RunningHandler::WindowOf() { return runningHandlerWindow; }

void* EventSlot(Control& c, const String& name, const std::type_info& type) {
  for (const Event& e : Events()) {
    if (name == e.name && *e.type == type) return e.find(c);
  }
  return nullptr;
}

void Window::BindEvents(const std::vector<EventBinding>& table) {
  for (const EventBinding& row : table) {
    Control* c = ControlByName(row.control);
    for (const EventHandler& e : row.events) {
      const String where = QStringLiteral("event binding ") + row.control + u'.' + e.event;
      if (!c) throw NilObjectException(where + QStringLiteral(": no control ") + row.control);
      if (!e.bind(*this, *c)) {
        throw NilObjectException(where + QStringLiteral(": the control has no such event"));
      }
    }
  }
}

}  // namespace fw
