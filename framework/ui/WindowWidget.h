#pragma once
// The top-level widget of a Window: an optional menu bar above the content
// area, in which the controls are placed by hand (no Qt layout).

#include <QWidget>

#include <functional>

class QMenuBar;

namespace fw::ui {

class WindowWidget : public QWidget {
 public:
  WindowWidget();

  QWidget* content() const { return content_; }
  QMenuBar* menuBar() const { return bar_; }
  QMenuBar* makeMenuBar();  // a new, empty one in place of the old
  void removeMenuBar();
  void setMenuBarShown(bool shown);
  int menuBarHeight() const;  // at the current width
  int menuBarHeightFor(int width) const;
  void arrange();  // menu bar and content to the current size

  std::function<void()> activated;
  std::function<void()> closeRequested;  // the close box, the window manager
  std::function<void()> resized;
  std::function<bool(bool escape)> returnOrEscape;  // true: used

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* content_;
  QMenuBar* bar_ = nullptr;
  bool barShown_ = true;
};

}  // namespace fw::ui
