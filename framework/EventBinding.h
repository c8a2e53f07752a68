#pragma once
// A window's control events bound by a table: one row per control (its
// name, then each event as the layer names it with its handler), applied in
// the table's order by Window::BindEvents once every control exists. An
// event whose control is missing, is not of the handler's class or has no
// such event stops the window's build with a message naming it.
//
//   static const std::vector<fw::EventBinding> bindings = {
//       {u"OkBtn"_s, {{u"Action"_s, &MyWindow::OkBtn_Action}}},
//   };
//
// Each handler gets the control first, as its declared class, then the
// event's own arguments.

#include "framework/Controls.h"
#include "framework/String.h"

#include <functional>
#include <typeinfo>
#include <vector>

namespace fw {

class Window;

// The window whose bound handler runs, for as long as it runs (the innermost
// one when handlers nest): what a handler sets, a menu item's enabling,
// belongs to its own window, whichever window is in front meanwhile.
class RunningHandler {
 public:
  explicit RunningHandler(const Window& window);
  ~RunningHandler();
  RunningHandler(const RunningHandler&) = delete;
  RunningHandler& operator=(const RunningHandler&) = delete;
  // nullptr outside every bound handler.
  static const Window* WindowOf();

 private:
  const Window* outer_;
};

// The event `name` of `control` when it has one of type `type` (one of the
// std::function members of Controls.h and Listbox.h), else nullptr.
void* EventSlot(Control& control, const String& name, const std::type_info& type);

// One event of a control and the window's handler for it.
class EventHandler {
 public:
  template <class W, class T, class R, class... Args>
  EventHandler(const String& event, R (W::*handler)(T&, Args...))
      : event(event), bind(Binder<W, T, R, Args...>(event, [handler](W& w, T& me, Args... args) {
          return (w.*handler)(me, args...);
        })) {}

  template <class W, class T, class R, class... Args>
  EventHandler(const String& event, R (W::*handler)(const T&, Args...) const)
      : event(event), bind(Binder<W, T, R, Args...>(event, [handler](W& w, T& me, Args... args) {
          return (w.*handler)(me, args...);
        })) {}

  String event;
  // Makes the event of `control` call the handler on `window`; false when
  // the control is not of the handler's class or has no such event.
  std::function<bool(Window& window, Control& control)> bind;

 private:
  template <class W, class T, class R, class... Args, class Call>
  static std::function<bool(Window&, Control&)> Binder(const String& event, Call call) {
    return [event, call](Window& window, Control& c) {
      T* me = dynamic_cast<T*>(&c);
      using Slot = std::function<R(Args...)>;
      auto* slot = me ? static_cast<Slot*>(EventSlot(c, event, typeid(Slot))) : nullptr;
      if (!slot) return false;
      W& w = dynamic_cast<W&>(window);
      *slot = [&w, me, call](Args... args) -> R {
        const RunningHandler running(w);
        return call(w, *me, args...);
      };
      return true;
    };
  }
};

// A row of the table: a control and its events, in binding order.
struct EventBinding {
  String control;
  std::vector<EventHandler> events;
};

}  // namespace fw
