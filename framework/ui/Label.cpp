#include "framework/Controls.h"

#include "framework/Application.h"
#include "framework/ui/ControlSupport.h"
#include "framework/ui/DesignText.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace fw {
namespace {

// A plain-text label that reports the mouse to its control.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(Label& owner) : owner_(owner) { setTextFormat(Qt::PlainText); }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    claimed_ = false;
    const QPoint at = e->position().toPoint();
    if (owner_.MouseDown && !ui::EventsSuppressed(owner_))
      Dispatch([&] { claimed_ = owner_.MouseDown(at.x(), at.y()); });
    QLabel::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    const QPoint at = e->position().toPoint();
    if (claimed_) {
      claimed_ = false;
      ui::RaiseFromUser(owner_, [&] {
        if (owner_.MouseUp) owner_.MouseUp(at.x(), at.y());
      });
    }
    QLabel::mouseReleaseEvent(e);
  }
  void enterEvent(QEnterEvent* e) override {
    ui::RaiseFromUser(owner_, owner_.MouseEnter);
    QLabel::enterEvent(e);
  }
  void leaveEvent(QEvent* e) override {
    ui::RaiseFromUser(owner_, owner_.MouseExit);
    QLabel::leaveEvent(e);
  }

 private:
  Label& owner_;
  bool claimed_ = false;
};

}  // namespace

struct Label::Impl {
  QPointer<QLabel> label;
  String text;
};

Label::Label() : d(std::make_unique<Impl>()) { d->label = new LabelWidget(*this); }

Label::~Label() { delete d->label; }  // already gone when its window took it down

String Label::Text() const { return d->text; }

void Label::SetText(const String& text) {
  d->text = text;
  d->label->setText(ui::ShownText(text));
}

void Label::SetMouseCursor(MouseCursor cursor) {
  d->label->setCursor(cursor == MouseCursor::kFingerPointer ? Qt::PointingHandCursor
                                                            : Qt::ArrowCursor);
}

QWidget* Label::widget() const { return d->label; }

}  // namespace fw
