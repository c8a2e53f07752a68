#pragma once
// One handler at a time. Dispatch (Application.h) counts the handlers that
// are running; window-system events that arrive meanwhile (a modal dialog
// runs its own loop) wait here until the outermost handler has returned, and
// so do closed windows before they are deleted.

#include <functional>

namespace fw {
class Window;
}

namespace fw::ui {

bool HandlerRunning();

// Dispatches `event` now when no handler runs, else after the outermost one.
void DispatchWhenIdle(std::function<void()> event);

// Deletes `window` from the event loop once no handler runs.
void DeleteWhenIdle(Window* window);

}  // namespace fw::ui
