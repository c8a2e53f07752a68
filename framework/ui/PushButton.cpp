#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"
#include "framework/ui/DesignText.h"

#include <QPointer>
#include <QPushButton>

namespace fw {

struct PushButton::Impl {
  QPointer<QPushButton> button;
  String caption;
  bool isDefault = false;
  bool isCancel = false;
};

PushButton::PushButton() : d(std::make_unique<Impl>()) {
  d->button = new QPushButton;
  d->button->setAutoDefault(false);  // Return is the window's (see Window)
  QObject::connect(d->button, &QPushButton::clicked, d->button,
                   [this] { ui::RaiseFromUser(*this, Action); });
}

PushButton::~PushButton() { delete d->button; }

String PushButton::Caption() const { return d->caption; }

void PushButton::SetCaption(const String& caption) {
  d->caption = caption;
  d->button->setText(ui::LiteralCaption(caption));
}

bool PushButton::Default() const { return d->isDefault; }
bool PushButton::Cancel() const { return d->isCancel; }

void PushButton::SetRoles(bool isDefault, bool isCancel) {
  d->isDefault = isDefault;
  d->isCancel = isCancel;
  d->button->setDefault(isDefault);  // the look of a default button
}

void PushButton::Push() { ui::RaiseFromProgram(*this, Action); }

QWidget* PushButton::widget() const { return d->button; }

}  // namespace fw
