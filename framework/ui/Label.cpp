#include "framework/Controls.h"

#include "framework/ui/DesignText.h"

#include <QLabel>
#include <QPointer>

namespace fw {

struct Label::Impl {
  QPointer<QLabel> label;
  String text;
};

Label::Label() : d(std::make_unique<Impl>()) {
  d->label = new QLabel;
  d->label->setTextFormat(Qt::PlainText);
  ReportMouse(*d->label);
}

Label::~Label() { delete d->label; }  // already gone when its window took it down

String Label::Text() const { return d->text; }

void Label::SetText(const String& text) {
  d->text = text;
  d->label->setText(ui::ShownText(text));
}

QWidget* Label::widget() const { return d->label; }

}  // namespace fw
