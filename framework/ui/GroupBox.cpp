#include "framework/Controls.h"

#include "framework/ui/DesignText.h"

#include <QGroupBox>
#include <QPointer>

namespace fw {

struct GroupBox::Impl {
  QPointer<QGroupBox> box;
  String caption;  // " " is a record key elsewhere: kept exactly
};

GroupBox::GroupBox() : d(std::make_unique<Impl>()) { d->box = new QGroupBox; }

GroupBox::~GroupBox() { delete d->box; }

String GroupBox::Caption() const { return d->caption; }

void GroupBox::SetCaption(const String& caption) {
  d->caption = caption;
  d->box->setTitle(ui::LiteralCaption(caption));
}

QWidget* GroupBox::widget() const { return d->box; }

}  // namespace fw
