#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"
#include "framework/ui/DesignText.h"

#include <QPointer>
#include <QToolButton>

namespace fw {

struct BevelButton::Impl {
  QPointer<QToolButton> button;
  String caption;
};

BevelButton::BevelButton() : d(std::make_unique<Impl>()) {
  d->button = new QToolButton;
  d->button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  d->button->setFocusPolicy(Qt::NoFocus);
  QObject::connect(d->button, &QToolButton::clicked, d->button,
                   [this] { ui::RaiseFromUser(*this, Action); });
}

BevelButton::~BevelButton() { delete d->button; }

String BevelButton::Caption() const { return d->caption; }

void BevelButton::SetCaption(const String& caption) {
  d->caption = caption;
  d->button->setText(ui::LiteralCaption(caption));
}

QWidget* BevelButton::widget() const { return d->button; }

}  // namespace fw
