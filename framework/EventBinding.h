#pragma once
// A window's control events bound by a table: one row per binding (the
// control's name, the event as the layer names it, the handler), applied in
// the table's order by Window::BindEvents once every control exists. A row
// whose control is missing, is not of the handler's class or has no such
// event stops the window's build with a message naming the row.
//
//   static const std::vector<fw::EventBinding> bindings = {
//       fw::On(u"OkBtn"_s, u"Action"_s, &MyWindow::OkBtn_Action),
//   };
//
// Each handler gets the control first, as its declared class, then the
// event's own arguments.

#include "framework/Controls.h"
#include "framework/String.h"

#include <functional>
#include <typeinfo>

namespace fw {

class Window;

struct EventBinding {
  String control;
  String event;
  // Makes the event of `control` call the handler on `window`; false when
  // the control is not of the handler's class or has no such event.
  std::function<bool(Window& window, Control& control)> bind;
};

// The event `name` of `control` when it has one of type `type` (one of the
// std::function members of Controls.h and Listbox.h), else nullptr.
void* EventSlot(Control& control, const String& name, const std::type_info& type);

namespace detail {

template <class W, class T, class R, class... Args, class Call>
EventBinding MakeBinding(const String& control, const String& event, Call call) {
  return {control, event, [event, call](Window& window, Control& c) {
            T* me = dynamic_cast<T*>(&c);
            using Slot = std::function<R(Args...)>;
            auto* slot = me ? static_cast<Slot*>(EventSlot(c, event, typeid(Slot))) : nullptr;
            if (!slot) return false;
            W& w = dynamic_cast<W&>(window);
            *slot = [&w, me, call](Args... args) -> R { return call(w, *me, args...); };
            return true;
          }};
}

}  // namespace detail

// The row: `event` of the control named `control` calls `handler`.
template <class W, class T, class R, class... Args>
EventBinding On(const String& control, const String& event, R (W::*handler)(T&, Args...)) {
  return detail::MakeBinding<W, T, R, Args...>(
      control, event,
      [handler](W& w, T& me, Args... args) -> R { return (w.*handler)(me, args...); });
}

template <class W, class T, class R, class... Args>
EventBinding On(const String& control, const String& event,
                R (W::*handler)(const T&, Args...) const) {
  return detail::MakeBinding<W, T, R, Args...>(
      control, event,
      [handler](W& w, T& me, Args... args) -> R { return (w.*handler)(me, args...); });
}

}  // namespace fw
