#include "framework/ui/EventGate.h"

#include "framework/Application.h"
#include "framework/Window.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <deque>
#include <stdexcept>
#include <vector>

namespace fw::ui {
namespace {

int depth = 0;
bool draining = false;
bool deletionPosted = false;
std::deque<std::function<void()>> held;
std::vector<Window*> closed;

void DeleteClosedWindows() {
  deletionPosted = false;
  if (depth > 0) return;  // the outermost handler posts again when it ends
  std::vector<Window*> doomed;
  doomed.swap(closed);
  for (Window* w : doomed) delete w;
}

void PostDeletion() {
  if (deletionPosted || closed.empty() || !QCoreApplication::instance()) return;
  deletionPosted = true;
  QMetaObject::invokeMethod(QCoreApplication::instance(), &DeleteClosedWindows,
                            Qt::QueuedConnection);
}

// After the outermost handler: the held events, one after the other, each
// as a handler of its own.
void AfterOutermost() {
  if (draining) return;
  QScopedValueRollback<bool> guard(draining, true);
  while (!held.empty()) {
    std::function<void()> next = std::move(held.front());
    held.pop_front();
    Dispatch(next);
  }
  PostDeletion();
}

}  // namespace

bool HandlerRunning() { return depth > 0; }

void DispatchWhenIdle(std::function<void()> event) {
  if (depth > 0) {
    held.push_back(std::move(event));
    return;
  }
  Dispatch(event);
}

void DeleteWhenIdle(Window* window) {
  closed.push_back(window);
  if (depth == 0) PostDeletion();
}

}  // namespace fw::ui

namespace fw {

void Dispatch(const std::function<void()>& handler) {
  ++ui::depth;
  try {
    handler();
  } catch (const std::exception& e) {
    RuntimeUnhandledException(e);
  } catch (...) {
    RuntimeUnhandledException(std::runtime_error("unknown exception"));
  }
  if (--ui::depth == 0) ui::AfterOutermost();
}

}  // namespace fw
