#include "framework/Controls.h"

#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace fw {
namespace {

class CanvasWidget : public QWidget {
 public:
  Picture backdrop;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (backdrop.IsNil()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, backdrop.image());
  }
};

}  // namespace

struct Canvas::Impl {
  QPointer<CanvasWidget> canvas;
  Picture backdrop;
};

Canvas::Canvas() : d(std::make_unique<Impl>()) {
  d->canvas = new CanvasWidget;
  ReportMouse(*d->canvas);
}

Canvas::~Canvas() { delete d->canvas; }  // already gone when its window took it down

const Picture& Canvas::Backdrop() const { return d->backdrop; }

void Canvas::SetBackdrop(const Picture& picture) {
  d->backdrop = picture;
  d->canvas->backdrop = picture;
  d->canvas->update();
}

QWidget* Canvas::widget() const { return d->canvas; }

}  // namespace fw
