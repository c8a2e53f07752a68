// The run time: start-up, the loop, quitting and the unhandled exception.

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Window.h"
#include "framework/ui/RunState.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace fw {

ui::RunState& ui::State() {
  static RunState state;
  return state;
}

using ui::State;

namespace {

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
  ui::InstallPlatformTexts(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  ui::InstallAppHooks();
}

void RuntimeSetName(const String& name) {
  // Not the display name: Qt would append that to every window's title.
  QCoreApplication::setApplicationName(name);
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
  ui::RunState& s = State();
  if (!s.appClosed) {
    s.appClosed = true;
    if (Application* app = s.app) Dispatch([app] { app->Event_Close(); });
  }
  return s.exitCode;
}

void RuntimeUnhandledException(const std::exception& e) {
  ui::RunState& s = State();
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
  ui::RunState& s = State();
  if (!s.quitRequested) {
    s.quitRequested = true;
    s.exitCode = code;
  }
  EndLoop(s.exitCode);
}

bool QuitRequested() { return State().quitRequested; }

void RuntimeSetVersion(Integer major, Integer minor, Integer bug) {
  State().version = {major, minor, bug};
}

namespace ui {

bool InstallPlatformTexts(const String& folder) {
  static bool installed = false;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_de"), folder)) return false;
  if (!installed) {
    installed = true;
    QTranslator* kept = translator.release();
    kept->setParent(QCoreApplication::instance());  // lives as long as the application
    QCoreApplication::installTranslator(kept);
  }
  return true;
}

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
