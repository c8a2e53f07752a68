// The mouse as labels and canvases report it: an event filter on the
// control's widget, so the widget itself needs no subclass for it.

#include "framework/Controls.h"

#include "framework/Application.h"
#include "framework/ui/ControlSupport.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace fw {
namespace {

class MouseReporter : public QObject {
 public:
  MouseReporter(MouseControl& owner, QWidget& w) : QObject(&w), owner_(owner) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress: return Press(*static_cast<QMouseEvent*>(event));
      case QEvent::MouseButtonRelease: return Release(*static_cast<QMouseEvent*>(event));
      case QEvent::Enter: ui::RaiseFromUser(owner_, owner_.MouseEnter); break;
      case QEvent::Leave: ui::RaiseFromUser(owner_, owner_.MouseExit); break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // A claimed press is the control's: the release then comes back to it.
  bool Press(QMouseEvent& e) {
    claimed_ = false;
    const QPoint at = e.position().toPoint();
    if (owner_.MouseDown && !ui::EventsSuppressed(owner_))
      Dispatch([&] { claimed_ = owner_.MouseDown(at.x(), at.y()); });
    if (claimed_) e.accept();
    return claimed_;
  }

  bool Release(QMouseEvent& e) {
    if (!claimed_) return false;
    claimed_ = false;
    const QPoint at = e.position().toPoint();
    ui::RaiseFromUser(owner_, [&] {
      if (owner_.MouseUp) owner_.MouseUp(at.x(), at.y());
    });
    e.accept();
    return true;
  }

  MouseControl& owner_;
  bool claimed_ = false;
};

}  // namespace

void MouseControl::ReportMouse(QWidget& w) { w.installEventFilter(new MouseReporter(*this, w)); }

void MouseControl::SetMouseCursor(MouseCursor cursor) {
  widget()->setCursor(cursor == MouseCursor::kFingerPointer ? Qt::PointingHandCursor
                                                            : Qt::ArrowCursor);
}

}  // namespace fw
