#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"

#include <QPointer>
#include <QToolButton>

namespace fw {

struct DisclosureTriangle::Impl {
  QPointer<QToolButton> button;
  bool value = false;

  void show() { button->setArrowType(value ? Qt::DownArrow : Qt::RightArrow); }
};

DisclosureTriangle::DisclosureTriangle() : d(std::make_unique<Impl>()) {
  d->button = new QToolButton;
  d->button->setAutoRaise(true);
  d->show();
  QObject::connect(d->button, &QToolButton::clicked, d->button, [this] {
    d->value = !d->value;
    d->show();
    ui::RaiseFromUser(*this, Action);
  });
}

DisclosureTriangle::~DisclosureTriangle() { delete d->button; }

bool DisclosureTriangle::Value() const { return d->value; }

void DisclosureTriangle::SetValue(bool value) {
  d->value = value;
  d->show();
}

QWidget* DisclosureTriangle::widget() const { return d->button; }

}  // namespace fw
