#pragma once
// Menus: one model of named items, one QAction per item.
//
// Enabling: before a menu opens, when a window is activated and before a
// shortcut is dispatched, each item starts from AutoEnable (enabled when a
// handler is bound under its name in the front window or the application);
// an Enabled value that a window's code set outside a menu update wins over
// that while the window is in front, until it closes; then the front window's
// Event_EnableMenuItems runs, then the application's.
//
// A triggered item runs the handler bound under its name in the front
// window, else the application's. Items of kind kQuit close the windows
// front to back; the standard edit items (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll when no window serves it) act on the
// focused text field.

#include "framework/String.h"

#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace fw {

class Window;

class MenuItem {
 public:
  enum Kind { kNormal, kQuit, kApplication };

  explicit MenuItem(Kind kind = kNormal);
  virtual ~MenuItem();

  String Name;
  bool AutoEnable = true;
  bool Visible = true;
  String KeyboardShortcut;  // "Cmd+W", "Cmd+Shift+P", "" for none; Cmd is Ctrl
  Kind kind() const { return kind_; }

  String Text() const { return text_; }
  void SetText(const String& text);  // "-" makes a separator
  bool IsSeparator() const { return text_ == QStringLiteral("-"); }

  bool Enabled() const { return enabled_; }
  // An explicit setting by the program's code (see the enabling rule above).
  void SetEnabled(bool enabled);

  void Append(std::unique_ptr<MenuItem> child);
  Integer Count() const { return static_cast<Integer>(children_.size()); }
  MenuItem* Item(Integer i) const { return children_.at(i).get(); }
  // Searches the whole tree below this item; nullptr when absent.
  MenuItem* FindItem(const String& name) const;

  QAction* action() const;  // layer-internal

 private:
  friend class MenuEnabling;
  Kind kind_;
  String text_;
  bool enabled_ = true;
  // The program's own SetEnabled outside a menu update, and the window
  // whose code made it (nullptr: none known; it then lasts).
  bool hasExplicit_ = false;
  bool explicitValue_ = true;
  const Window* explicitOwner_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
  QAction* action_ = nullptr;
  QMenu* menu_ = nullptr;  // for an item with children
};

class MenuBar : public MenuItem {
 public:
  MenuBar() = default;
};

}  // namespace fw
