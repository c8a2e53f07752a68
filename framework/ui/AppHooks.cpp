// The layer's one application-wide event filter: it brings the menu items
// up to date before Qt looks a shortcut up, and keeps a text field from
// swallowing a shortcut that a window serves (Ctrl+A for EditSelectAll).

#include "framework/Application.h"
#include "framework/ui/MenuEnabling.h"
#include "framework/ui/RunState.h"

#include <QApplication>
#include <QKeyEvent>

namespace fw::ui {
namespace {

class AppHooks : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: decided_ = false; break;
      case QEvent::ShortcutOverride:
        // The same event travels up from the focus widget to its window:
        // decide once, answer every step alike.
        if (!decided_) {
          decided_ = true;
          claimed_ = MenuEnabling::ClaimShortcut(*static_cast<QKeyEvent*>(event));
        }
        if (claimed_) event->ignore();  // unaccepted: Qt tries the shortcut
        return claimed_;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool decided_ = false;
  bool claimed_ = false;
};

}  // namespace

void InstallAppHooks() {
  static AppHooks* hooks = nullptr;
  if (hooks) return;
  // The layer's AutoQuit rule replaces Qt's quit-on-last-window.
  QApplication::setQuitOnLastWindowClosed(false);
  hooks = new AppHooks(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(hooks);
}

}  // namespace fw::ui
