// The run time: start-up, the loop, quitting and the unhandled exception.

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Window.h"
#include "framework/ui/EventGate.h"
#include "framework/ui/MenuEnabling.h"
#include "framework/ui/RunState.h"

#include <QApplication>

namespace fw {
namespace {

struct RunState {
  Application* app = nullptr;
  bool quitRequested = false;
  Integer exitCode = 0;
  bool loopRunning = false;
  bool appClosed = false;
  bool failureShown = false;
};

RunState& State() {
  static RunState state;
  return state;
}

// Qt ignores exit() before exec(); the request is kept for RuntimeRun.
void EndLoop(Integer code) {
  if (State().loopRunning) QCoreApplication::exit(code);
}

}  // namespace

Application* Application::Instance() { return State().app; }

Application::~Application() {
  if (State().app == this) State().app = nullptr;
}

void RuntimeInit(int& argc, char** argv) {
  // The test programs make their own QApplication first.
  if (!QApplication::instance()) new QApplication(argc, argv);  // lives for the run
  ui::InstallAppHooks();
}

void RuntimeRegisterAppObject(Application* app) { State().app = app; }

void RunFrameworkInitialization(const std::function<void()>& onInitialized) {
  ui::InstallAppHooks();
  if (Application* app = State().app) Dispatch([app] { app->Event_Open(); });
  if (!State().quitRequested && onInitialized) Dispatch(onInitialized);
}

void RuntimeRun() {
  if (State().quitRequested) return;
  State().loopRunning = true;
  QApplication::exec();
  State().loopRunning = false;
}

Integer RuntimeExit() {
  RunState& s = State();
  if (!s.appClosed) {
    s.appClosed = true;
    if (Application* app = s.app) Dispatch([app] { app->Event_Close(); });
  }
  return s.exitCode;
}

void RuntimeUnhandledException(const std::exception& e) {
  RunState& s = State();
  if (!s.failureShown) {
    s.failureShown = true;  // one message, not a cascade
    try {
      MsgBox(QStringLiteral("Ein unerwarteter Fehler ist aufgetreten:") + EndOfLine +
             String::fromUtf8(e.what()) + EndOfLine + EndOfLine +
             QStringLiteral("Das Programm wird beendet."));
    } catch (...) {
      // The message is a courtesy; quitting is what matters.
    }
  }
  s.quitRequested = true;
  s.exitCode = 1;
  EndLoop(1);
}

void Quit(Integer code) {
  RunState& s = State();
  if (!s.quitRequested) {
    s.quitRequested = true;
    s.exitCode = code;
  }
  EndLoop(s.exitCode);
}

bool QuitRequested() { return State().quitRequested; }

void ResetRuntimeForTesting() {
  for (Window* w : Window::OpenWindows()) w->Close();
  ui::SettleForTesting();
  MenuEnabling::ForgetAll();
  RunState& s = State();
  s.quitRequested = false;
  s.exitCode = 0;
  s.appClosed = false;
  s.failureShown = false;
}

namespace ui {

void WindowClosed() {
  Application* app = State().app;
  if (!app || !app->AutoQuit) return;
  for (Window* w : Window::OpenWindows()) {
    if (w->IsVisible()) return;
  }
  Quit(0);
}

}  // namespace ui
}  // namespace fw
