#pragma once
// What every control class shares: how it raises its events and how it
// shows.

#include "framework/Controls.h"

#include <functional>

namespace fw::ui {

// No event runs while the control's window is being built or once it is
// closed.
bool EventsSuppressed(const Control& control);

// An event the program caused by setting a value: runs inline, so an
// exception travels back to the program's caller.
void RaiseFromProgram(const Control& control, const std::function<void()>& handler);

// An event the user caused: an entry from Qt, through Dispatch.
void RaiseFromUser(const Control& control, const std::function<void()>& handler);

// The widget that takes the keyboard focus for the control.
QWidget* FocusTarget(const RectControl& control);

// Shows the control's widget while it is Visible and its tab page (if it
// lies on one) is the shown one.
void ApplyShown(const RectControl& control);

}  // namespace fw::ui
