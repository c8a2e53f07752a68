#include "framework/Controls.h"

#include "framework/ui/DesignText.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace fw {

struct TextArea::Impl {
  QPointer<QPlainTextEdit> edit;
  String text;  // as set; given back while the shown text is unchanged
};

TextArea::TextArea() : d(std::make_unique<Impl>()) {
  d->edit = new QPlainTextEdit;
  d->edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TextArea::~TextArea() { delete d->edit; }

String TextArea::Text() const {
  const String shown = d->edit->toPlainText();
  return shown == ui::ShownText(d->text) ? d->text : shown;
}

void TextArea::SetText(const String& text) {
  d->text = text;
  d->edit->setPlainText(ui::ShownText(text));
}

bool TextArea::ReadOnly() const { return d->edit->isReadOnly(); }

void TextArea::SetReadOnly(bool readOnly) { d->edit->setReadOnly(readOnly); }

QWidget* TextArea::widget() const { return d->edit; }

}  // namespace fw
