#include "framework/ui/WindowWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

namespace fw::ui {

WindowWidget::WindowWidget() : content_(new QWidget(this)) {}

QMenuBar* WindowWidget::makeMenuBar() {
  removeMenuBar();
  bar_ = new QMenuBar(this);
  bar_->setNativeMenuBar(false);  // the content must start below it, here
  bar_->setVisible(barShown_);
  arrange();
  return bar_;
}

void WindowWidget::removeMenuBar() {
  delete bar_;
  bar_ = nullptr;
}

void WindowWidget::setMenuBarShown(bool shown) {
  barShown_ = shown;
  if (bar_) bar_->setVisible(shown);
}

int WindowWidget::menuBarHeight() const { return menuBarHeightFor(width()); }

int WindowWidget::menuBarHeightFor(int width) const {
  if (!bar_ || !barShown_) return 0;
  const int h = bar_->heightForWidth(width);
  return h > 0 ? h : bar_->sizeHint().height();
}

void WindowWidget::arrange() {
  const int top = menuBarHeight();
  if (bar_) bar_->setGeometry(0, 0, width(), top);
  content_->setGeometry(0, top, width(), height() - top);
}

bool WindowWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && activated) activated();
  return QWidget::event(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The Window decides and hides the widget itself.
  event->ignore();
  if (closeRequested) closeRequested();
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange();
  if (resized) resized();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  // Keys the focus widget left alone arrive here.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = event->key();
  if (plain && returnOrEscape &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
      returnOrEscape(key == Qt::Key_Escape)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace fw::ui
