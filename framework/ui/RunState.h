#pragma once
// What the layer's parts need of each other's state.

#include "framework/String.h"

namespace fw {
class Application;
class Window;
}  // namespace fw

namespace fw::ui {

// The run time's own state (AppRuntime.cpp).
struct RunState {
  Application* app = nullptr;
  bool quitRequested = false;
  Integer exitCode = 0;
  bool loopRunning = false;
  bool appClosed = false;
  bool failureShown = false;
  struct Version {
    Integer major = 0, minor = 0, bug = 0;
  } version;
};
RunState& State();

// Qt's application-wide settings and the layer's event filter, once.
void InstallAppHooks();

// Qt's own texts in German (the file, print and page-setup dialogs, the
// standard buttons, a text field's context menu), from "qtbase_de.qm" in
// `folder`: RuntimeInit takes Qt's translations folder, always, whatever
// the environment says. Once per run; false, and Qt's English texts, when
// the file is not there or cannot be read.
bool InstallPlatformTexts(const String& folder);

// After a window closed: the AutoQuit rule.
void WindowClosed();

// The window whose Build is running, or nullptr.
const Window* WindowBeingBuilt();

}  // namespace fw::ui
