#include "framework/ui/ListboxView.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace fw::ui {

ListboxView::ListboxView(QWidget* parent) : QTreeView(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setExpandsOnDoubleClick(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSortingEnabled(false);
  setEditTriggers(NoEditTriggers);
  setSelectionBehavior(SelectRows);
  setVerticalScrollMode(ScrollPerItem);  // the scroll bar counts rows
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setSectionsClickable(true);
  header()->setHighlightSections(false);
  header()->setMinimumSectionSize(0);
}

bool ListboxView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      if (beforeInput) beforeInput();
      break;
    default: break;
  }
  return QTreeView::viewportEvent(event);
}

void ListboxView::keyPressEvent(QKeyEvent* event) {
  if (beforeInput) beforeInput();
  QTreeView::keyPressEvent(event);
}

bool ListboxView::clearedBesideRows(QMouseEvent* event) {
  // Qt keeps the selection on a click beside the rows; the list empties it.
  if (event->button() != Qt::LeftButton || indexAt(event->position().toPoint()).isValid()) {
    return false;
  }
  selectionModel()->clear();
  event->accept();
  return true;
}

void ListboxView::mousePressEvent(QMouseEvent* event) {
  if (!clearedBesideRows(event)) QTreeView::mousePressEvent(event);
}

void ListboxView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!clearedBesideRows(event)) QTreeView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
}

void ListboxView::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  if (viewportResized) viewportResized();
}

}  // namespace fw::ui
