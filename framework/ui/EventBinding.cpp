// The controls' events by name, for the windows' binding tables.

#include "framework/EventBinding.h"

#include "framework/Window.h"

#include <algorithm>

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

// The events of one signature: each name with the control classes that
// have it.
template <class F>
struct Named {
  const char16_t* name;
  F* (*find)(Control&);
};

template <class F, size_t N>
F* Find(const Named<F> (&events)[N], Control& c, const String& name) {
  const auto at = std::find_if(std::begin(events), std::end(events),
                               [&name](const Named<F>& e) { return name == e.name; });
  return at == std::end(events) ? nullptr : at->find(c);
}

using Plain = std::function<void()>;
using Press = std::function<bool(Integer, Integer)>;
using Release = std::function<void(Integer, Integer)>;
using Compare = std::function<bool(Integer, Integer, Integer, Integer&)>;
using Key = std::function<std::optional<long long>(Integer, Integer)>;

}  // namespace

Plain* EventSlot(Control& c, const String& name, Plain*) {
  using F = Plain;
  static const Named<F> events[] = {
      {u"Open", [](Control& c) { return FirstSlot<F>(c, &RectControl::Open); }},
      {u"Change",
       [](Control& c) {
         return FirstSlot<F>(c, &TabPanel::Change, &PopupMenu::Change, &Listbox::Change);
       }},
      {u"Action",
       [](Control& c) {
         return FirstSlot<F>(c, &CheckBox::Action, &PushButton::Action, &BevelButton::Action,
                             &DisclosureTriangle::Action);
       }},
      {u"DoubleClick", [](Control& c) { return FirstSlot<F>(c, &Listbox::DoubleClick); }},
      {u"LostFocus", [](Control& c) { return FirstSlot<F>(c, &TextField::LostFocus); }},
      {u"TextChange", [](Control& c) { return FirstSlot<F>(c, &TextField::TextChange); }},
      {u"MouseEnter", [](Control& c) { return FirstSlot<F>(c, &MouseControl::MouseEnter); }},
      {u"MouseExit", [](Control& c) { return FirstSlot<F>(c, &MouseControl::MouseExit); }},
  };
  return Find(events, c, name);
}

Press* EventSlot(Control& c, const String& name, Press*) {
  using F = Press;
  static const Named<F> events[] = {
      {u"MouseDown", [](Control& c) { return FirstSlot<F>(c, &MouseControl::MouseDown); }},
  };
  return Find(events, c, name);
}

Release* EventSlot(Control& c, const String& name, Release*) {
  using F = Release;
  static const Named<F> events[] = {
      {u"MouseUp", [](Control& c) { return FirstSlot<F>(c, &MouseControl::MouseUp); }},
  };
  return Find(events, c, name);
}

Compare* EventSlot(Control& c, const String& name, Compare*) {
  using F = Compare;
  static const Named<F> events[] = {
      {u"CompareRows", [](Control& c) { return FirstSlot<F>(c, &Listbox::CompareRows); }},
  };
  return Find(events, c, name);
}

Key* EventSlot(Control& c, const String& name, Key*) {
  using F = Key;
  static const Named<F> events[] = {
      {u"SortKey", [](Control& c) { return FirstSlot<F>(c, &Listbox::SortKey); }},
  };
  return Find(events, c, name);
}

void Window::BindEvents(const std::vector<EventBinding>& table) {
  for (const EventBinding& row : table) {
    const String where = QStringLiteral("event binding ") + row.control + u'.' + row.event;
    Control* c = ControlByName(row.control);
    if (!c) throw NilObjectException(where + QStringLiteral(": no control ") + row.control);
    if (!row.bind(*this, *c)) {
      throw NilObjectException(where + QStringLiteral(": the control has no such event"));
    }
  }
}

}  // namespace fw
