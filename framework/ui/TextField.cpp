#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>

#include <limits>

namespace fw {
namespace {

// The focus went from `from` to another widget of the same window: not to a
// dialog, a pop-up list or another window, and not nowhere.
bool MovedWithinWindow(QWidget* from, QWidget* to) {
  return to && to != from && to->window() == from->window();
}

}  // namespace

struct TextField::Impl {
  QPointer<QLineEdit> edit;
};

TextField::TextField() : d(std::make_unique<Impl>()) {
  d->edit = new QLineEdit;
  QLineEdit* edit = d->edit;
  // Without a limit: Qt's default of 32,767 characters would cut a longer
  // text without a word, on SetText as on typing or pasting.
  edit->setMaxLength(std::numeric_limits<int>::max());
  // Program changes are made with the signals blocked and raised by hand.
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [this] { ui::RaiseFromUser(*this, TextChange); });
  QObject::connect(qApp, &QApplication::focusChanged, edit, [this](QWidget* from, QWidget* to) {
    if (from == d->edit && MovedWithinWindow(from, to)) ui::RaiseFromUser(*this, LostFocus);
  });
}

TextField::~TextField() { delete d->edit; }

String TextField::Text() const { return d->edit->text(); }

void TextField::SetText(const String& text) {
  if (text == d->edit->text()) return;
  {
    QSignalBlocker quiet(d->edit);
    d->edit->setText(text);
  }
  ui::RaiseFromProgram(*this, TextChange);
}

void TextField::SelectAll() { d->edit->selectAll(); }

QWidget* TextField::widget() const { return d->edit; }

}  // namespace fw
