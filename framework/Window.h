#pragma once
// Windows. A window builds itself in this order:
//   1. its shared instance is registered (SharedInstance<W>),
//   2. Layout          design values, menu bar
//   3. CreateControls  for each declared control, in order: create, add
//                      under its name, apply every design value (parent and
//                      tab page included); then the window's binding table
//                      (BindEvents)
//   4. AddMenuHandlers
//   5. the controls' Open events, in creation order, once all exist
//   6. Event_Open
//   7. shown, when the design says Visible
// Design values are applied before any event is bound, so nothing fires
// during the build.
//
// One handler runs at a time: window-system events that arrive while a
// handler waits in a modal dialog (activation, close) are delivered after it
// returns. Event_Activate runs at each activation, never nested.
//
// Every way of closing (the close box, Close(), FileQuit, the window
// manager) runs Event_Close exactly once; a closed window counts as gone at
// once and is created anew at its next SharedInstance; the layer deletes a
// window it made once no handler runs. A window without a close box ignores
// the window system's close request. A hidden window keeps all its state.
//
// Menu bar: a window shows the bar set by SetMenuBar; one that sets none
// shows the application's when its design says menuBarVisible (the content
// keeps its designed size, the bar comes on top). Either way every item's
// shortcut works in it.

#include "framework/ControlDecl.h"
#include "framework/Controls.h"
#include "framework/EventBinding.h"
#include "framework/Listbox.h"
#include "framework/Runtime.h"
#include "framework/String.h"

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

class QWidget;

namespace fw {

class MenuBar;
class MenuItem;

struct WindowDesign {
  String title{};
  int width = 400, height = 300;
  int minWidth = 0, minHeight = 0, maxWidth = 32000, maxHeight = 32000;
  bool closeButton = true;
  bool resizeable = true;
  bool minimizeButton = true;
  bool maximizeButton = true;
  bool visible = true;
  bool menuBarVisible = true;
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Runs steps 2-7 of the build. Called by SharedInstance.
  void Build();
  // During steps 2-4: no control event runs.
  bool IsBuilding() const;

  // --- the build hooks -------------------------------------------------
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}

  // --- window events ---------------------------------------------------
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual void Event_EnableMenuItems() {}

  // --- design and state ------------------------------------------------
  void SetDesign(const WindowDesign& design);
  const WindowDesign& Design() const { return design_; }
  String Title() const { return design_.title; }
  Integer Width() const;
  Integer Height() const;
  void SetHeight(Integer height);  // kept within the design's limits
  fw::MenuBar* MenuBar() const { return menuBar_; }
  void SetMenuBar(fw::MenuBar* bar);

  void Show();  // shows, restores when minimized, brings to front and activates
  void Hide();
  void Close();  // runs Event_Close once, then the window is gone
  bool IsVisible() const;
  bool IsClosed() const { return closed_; }

  // --- controls --------------------------------------------------------
  void CreateControlsFrom(const std::vector<ControlDecl>& table);
  // Applies a binding table, row by row; a row that does not fit the
  // controls throws NilObjectException naming it, which stops the build.
  void BindEvents(const std::vector<EventBinding>& table);
  Control* ControlByName(const String& name) const;
  Control* ControlByNameIndex(const String& name, Integer index) const;
  // The control of that name as T; NilObjectException when there is none.
  template <class T>
  T& Ctl(const String& name, Integer index = -1) const {
    Control* c = index < 0 ? ControlByName(name) : ControlByNameIndex(name, index);
    T* t = dynamic_cast<T*>(c);
    if (!t) throw NilObjectException(QStringLiteral("no control ") + name);
    return *t;
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // The control with the keyboard focus, or nullptr.
  Control* Focus() const;

  // --- menus -----------------------------------------------------------
  void AddMenuHandler(const String& itemName, std::function<bool()> handler);
  const std::function<bool()>* MenuHandler(const String& itemName) const;

  // --- shared instances ------------------------------------------------
  // The open window of class W, or a new one, built.
  template <class W>
  static W& SharedInstance() {
    if (Window* w = FindOpen(typeid(W))) return static_cast<W&>(*w);
    W* w = new W();
    Register(typeid(W), w);
    try {
      w->Build();
    } catch (...) {
      // Not left half-built for the next caller; one that closed itself
      // meanwhile is deleted by the layer already.
      if (!w->IsClosed()) delete w;
      throw;
    }
    return *w;
  }
  static Window* FindOpen(std::type_index type);
  static std::vector<Window*> OpenWindows();  // front to back
  static Window* FrontWindow();

  QWidget* widget() const;  // layer-internal

 private:
  static void Register(std::type_index type, Window* window);
  static std::unique_ptr<RectControl> NewControl(const ControlDecl& decl);
  void ShowMenuBar(fw::MenuBar& bar);
  void Place(RectControl& control, const ControlDecl& decl);
  void PlaceControls();
  void ApplyTabOrder();
  void FitContent(int width, int height);
  void Activated();
  void CloseRequested();
  bool PushForKey(bool cancel);
  void Forget();
  struct Impl;
  std::unique_ptr<Impl> d;
  WindowDesign design_;
  fw::MenuBar* menuBar_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<String, std::function<bool()>> menuHandlers_;
  bool closed_ = false;
};

}  // namespace fw
