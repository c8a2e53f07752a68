#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"
#include "framework/ui/DesignText.h"

#include <QCheckBox>
#include <QPointer>

namespace fw {

struct CheckBox::Impl {
  QPointer<QCheckBox> box;
  String caption;
};

CheckBox::CheckBox() : d(std::make_unique<Impl>()) {
  d->box = new QCheckBox;
  // Every toggle by the user; the program's own are raised by SetValue.
  QObject::connect(d->box, &QCheckBox::toggled, d->box,
                   [this] { ui::RaiseFromUser(*this, Action); });
}

CheckBox::~CheckBox() { delete d->box; }

String CheckBox::Caption() const { return d->caption; }

void CheckBox::SetCaption(const String& caption) {
  d->caption = caption;
  d->box->setText(ui::LiteralCaption(caption));
}

bool CheckBox::Value() const { return d->box->isChecked(); }

void CheckBox::SetValue(bool value) {
  if (value == d->box->isChecked()) return;
  {
    QSignalBlocker quiet(d->box);
    d->box->setChecked(value);
  }
  ui::RaiseFromProgram(*this, Action);
}

QWidget* CheckBox::widget() const { return d->box; }

}  // namespace fw
