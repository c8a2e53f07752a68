#pragma once
// What the layer's parts need of each other's state.

namespace fw {
class Window;
}

namespace fw::ui {

// Qt's application-wide settings and the layer's event filter, once.
void InstallAppHooks();

// After a window closed: the AutoQuit rule.
void WindowClosed();

// The window whose Build is running, or nullptr.
const Window* WindowBeingBuilt();

}  // namespace fw::ui
