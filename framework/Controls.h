#pragma once
// The control classes, as real Qt widgets underneath.
//
// Rules every control keeps:
// - Events run synchronously on every real change of a value, also when the
//   program sets it (check boxes on every toggle, not only clicks), never
//   when nothing changed, and never while the window is being built.
// - Captions and texts are stored here and given back exactly; they show as
//   plain text; "\r" in a design text is a line break.
// - Disabling a GroupBox disables every control inside it; Enabled() of a
//   control is its own setting (its group's state is not folded in).

#include "framework/ControlDecl.h"
#include "framework/Picture.h"
#include "framework/String.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace fw {

class Window;

class Control {
 public:
  virtual ~Control();
  String Name() const { return name_; }
  Integer Index() const { return index_; }  // -1 outside a control array
  fw::Window* Window() const { return window_; }
  // Layer-internal: the control's widget.
  virtual QWidget* widget() const = 0;

 protected:
  Control() = default;

 private:
  friend class Window;
  String name_;
  Integer index_ = -1;
  fw::Window* window_ = nullptr;
};

class RectControl : public Control {
 public:
  Integer Left() const;
  Integer Top() const;
  Integer Width() const;
  Integer Height() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool AcceptFocus() const { return acceptFocus_; }
  Integer TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }
  unsigned Locks() const { return locks_; }
  RectControl* Parent() const { return parent_; }
  Integer PanelIndex() const { return page_; }  // tab page from 1, 0 none
  void SetFocus();
  bool HasFocus() const;

  std::function<void()> Open;  // after all controls of the window exist

 protected:
  RectControl() = default;

 private:
  friend class Window;
  // Placement in the window's content: as declared, and as shown now.
  int designLeft_ = 0, designTop_ = 0, designWidth_ = 0, designHeight_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool acceptFocus_ = true;
  bool tabStop_ = true;
  Integer tabIndex_ = -1;
  unsigned locks_ = kLT;
  RectControl* parent_ = nullptr;
  Integer page_ = 0;
};

enum class MouseCursor { kStandardPointer, kFingerPointer };

// A control that reports the mouse: labels and canvases.
class MouseControl : public RectControl {
 public:
  // The pointer's shape while it is over the control.
  void SetMouseCursor(MouseCursor cursor);

  // Positions are inside the control. MouseUp follows only a MouseDown that
  // returned true (the control claimed the click), and comes to that
  // control wherever the button is released.
  std::function<bool(Integer x, Integer y)> MouseDown;
  std::function<void(Integer x, Integer y)> MouseUp;
  std::function<void()> MouseEnter;
  std::function<void()> MouseExit;

 protected:
  MouseControl() = default;
  // Hands the mouse events of `w` (the control's widget) to the handlers.
  void ReportMouse(QWidget& w);
};

class Label : public MouseControl {
 public:
  Label();
  ~Label() override;
  String Text() const;
  void SetText(const String& text);
  QWidget* widget() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// A drawing surface that shows its backdrop picture at its top left, over
// whatever lies behind it (it paints no background of its own).
class Canvas : public MouseControl {
 public:
  Canvas();
  ~Canvas() override;
  const Picture& Backdrop() const;
  void SetBackdrop(const Picture& picture);
  QWidget* widget() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// A single-line text without a length limit.
class TextField : public RectControl {
 public:
  TextField();
  ~TextField() override;
  String Text() const;
  void SetText(const String& text);
  void SelectAll();
  QWidget* widget() const override;
  // Runs when the focus moves to another control of the same window; not
  // when a dialog, a pop-up or another window takes it.
  std::function<void()> LostFocus;
  std::function<void()> TextChange;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

class TextArea : public RectControl {
 public:
  TextArea();
  ~TextArea() override;
  String Text() const;
  void SetText(const String& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  QWidget* widget() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

class CheckBox : public RectControl {
 public:
  CheckBox();
  ~CheckBox() override;
  String Caption() const;
  void SetCaption(const String& caption);
  bool Value() const;
  void SetValue(bool value);  // Action runs when the value changes
  QWidget* widget() const override;
  std::function<void()> Action;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

class PushButton : public RectControl {
 public:
  PushButton();
  ~PushButton() override;
  String Caption() const;
  void SetCaption(const String& caption);
  bool Default() const;  // pushed by Return/Enter while enabled and visible
  bool Cancel() const;   // pushed by Escape
  // Runs the Action handler as a click would, also while disabled: the
  // handler guards itself.
  void Push();
  QWidget* widget() const override;
  std::function<void()> Action;

 private:
  friend class Window;
  void SetRoles(bool isDefault, bool isCancel);
  struct Impl;
  std::unique_ptr<Impl> d;
};

// A small square button with a text caption that never takes the focus.
class BevelButton : public RectControl {
 public:
  BevelButton();
  ~BevelButton() override;
  String Caption() const;
  void SetCaption(const String& caption);
  QWidget* widget() const override;
  std::function<void()> Action;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// Never selects by itself: adding to an empty pop-up, removing the selected
// entry and an out-of-range ListIndex all leave it at -1 ("" as Text).
class PopupMenu : public RectControl {
 public:
  PopupMenu();
  ~PopupMenu() override;
  void AddRow(const String& entry);
  void RemoveRow(Integer index);  // out of range: nothing
  void DeleteAllRows();
  Integer ListCount() const;
  String List(Integer index) const;  // "" out of range
  Integer ListIndex() const;         // -1 when nothing is selected
  void SetListIndex(Integer index);  // out of range selects nothing
  String Text() const;               // the selected entry, "" for none
  QWidget* widget() const override;
  std::function<void()> Change;  // when the index really changes

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

class GroupBox : public RectControl {
 public:
  GroupBox();
  ~GroupBox() override;
  String Caption() const;  // given back exactly (" " included)
  void SetCaption(const String& caption);
  // Disabling it (RectControl::SetEnabled) disables what it contains.
  QWidget* widget() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// A tab bar and pages that the layer places itself. Value counts pages
// from 0; a control on page n (from 1) shows only while Value is n - 1.
class TabPanel : public RectControl {
 public:
  TabPanel();
  ~TabPanel() override;
  Integer Value() const;
  void SetValue(Integer page);  // Change runs when the page really changes
  Integer PanelCount() const;
  String Caption(Integer page) const;
  QWidget* widget() const override;
  std::function<void()> Change;

 private:
  friend class Window;
  void AppendPanel(const String& caption);
  // A control on one of the pages: shown only while its page is.
  void AddPageControl(RectControl& control);
  struct Impl;
  std::unique_ptr<Impl> d;
};

class DisclosureTriangle : public RectControl {
 public:
  DisclosureTriangle();
  ~DisclosureTriangle() override;
  bool Value() const;
  void SetValue(bool value);  // turns it over; Action is for clicks only
  QWidget* widget() const override;
  std::function<void()> Action;  // after a click changed the value

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace fw
