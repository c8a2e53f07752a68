#include "framework/testsupport/TestRuntime.h"

#include "framework/Window.h"
#include "framework/core/ApplicationFolder.h"
#include "framework/core/Today.h"
#include "framework/ui/MenuEnabling.h"
#include "framework/ui/RunState.h"

#include <QCoreApplication>
#include <QEvent>

namespace fw {

void SetApplicationFolder(const String& path) { core::ApplicationFolderOverride() = path; }

void SetToday(const std::optional<Date>& today) { core::TodayOverride() = today; }

void ResetRuntimeForTesting() {
  for (Window* w : Window::OpenWindows()) w->Close();
  // Closed windows are deleted by a call posted to the application; run it
  // now, so the next test's shared instances are new ones.
  if (QCoreApplication* app = QCoreApplication::instance())
    QCoreApplication::sendPostedEvents(app, QEvent::MetaCall);
  MenuEnabling::ForgetAll();
  ui::RunState& s = ui::State();
  s.quitRequested = false;
  s.exitCode = 0;
  s.appClosed = false;
  s.failureShown = false;
}

}  // namespace fw
