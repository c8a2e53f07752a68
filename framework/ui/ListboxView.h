#pragma once
// The item view of a Listbox: a flat QTreeView with a few hooks the list
// needs and Qt does not offer as signals.

#include <QTreeView>

#include <functional>

namespace fw::ui {

class ListboxView : public QTreeView {
 public:
  explicit ListboxView(QWidget* parent = nullptr);

  // Lays the rows out now instead of at the next paint, so the scroll bar
  // knows its range.
  void layoutNow() { executeDelayedItemsLayout(); }

  std::function<void()> beforeInput;    // the model must be current
  std::function<void()> doubleClicked;  // on a row or beside the rows
  std::function<void()> viewportResized;

 protected:
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool clearedBesideRows(QMouseEvent* event);
};

}  // namespace fw::ui
