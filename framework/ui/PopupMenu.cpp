#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"

#include <QComboBox>
#include <QPointer>

namespace fw {

// The selected index lives here: QComboBox selects entry 0 by itself when
// the first entry arrives or the selected one goes, which this pop-up never
// does. Every program change runs with the box's signals blocked and puts
// the box back to `index`.
struct PopupMenu::Impl {
  QPointer<QComboBox> box;
  Integer index = -1;

  void show() {
    QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
  }
};

PopupMenu::PopupMenu() : d(std::make_unique<Impl>()) {
  d->box = new QComboBox;
  QObject::connect(d->box, &QComboBox::currentIndexChanged, d->box, [this](int chosen) {
    if (chosen == d->index) return;
    d->index = chosen;
    ui::RaiseFromUser(*this, Change);
  });
}

PopupMenu::~PopupMenu() { delete d->box; }

void PopupMenu::AddRow(const String& entry) {
  {
    QSignalBlocker quiet(d->box);
    d->box->addItem(entry);
  }
  d->show();
}

void PopupMenu::RemoveRow(Integer index) {
  if (index < 0 || index >= ListCount()) return;
  const Integer before = d->index;
  {
    QSignalBlocker quiet(d->box);
    d->box->removeItem(index);
  }
  if (index == d->index) {
    d->index = -1;
  } else if (index < d->index) {
    --d->index;  // the same entry stays selected
  }
  d->show();
  if (d->index != before) ui::RaiseFromProgram(*this, Change);
}

void PopupMenu::DeleteAllRows() {
  const Integer before = d->index;
  {
    QSignalBlocker quiet(d->box);
    d->box->clear();
  }
  d->index = -1;
  d->show();
  if (before != -1) ui::RaiseFromProgram(*this, Change);
}

Integer PopupMenu::ListCount() const { return d->box->count(); }

String PopupMenu::List(Integer index) const {
  return index >= 0 && index < ListCount() ? d->box->itemText(index) : String();
}

Integer PopupMenu::ListIndex() const { return d->index; }

void PopupMenu::SetListIndex(Integer index) {
  if (index < 0 || index >= ListCount()) index = -1;
  if (index == d->index) return;
  d->index = index;
  d->show();
  ui::RaiseFromProgram(*this, Change);
}

String PopupMenu::Text() const { return List(d->index); }

QWidget* PopupMenu::widget() const { return d->box; }

}  // namespace fw
