#pragma once
// The menu model over Qt: one QAction per item, the enabling rule of
// Menu.h and what a triggered item runs.

#include "framework/Menu.h"

class QKeyEvent;
class QMenuBar;
class QWidget;

namespace fw {

class MenuEnabling {
 public:
  // The item's action (and, for an item with children, its menu), made on
  // first use.
  static QAction* ActionOf(MenuItem& item);
  // Shows `root`'s menus in `bar`.
  static void FillMenuBar(QMenuBar& bar, MenuItem& root);
  // Gives `widget` every item's action, so the shortcuts work in it.
  static void AddShortcuts(QWidget& widget, MenuItem& root);

  // Brings every item's Enabled up to date.
  static void Refresh();
  // Inside Refresh: SetEnabled is then part of the update.
  static bool Updating();

  // Before Qt looks a shortcut up: refreshes the items when the key is one
  // of theirs; true when it belongs to an enabled item that a window or the
  // application serves, so the focus widget must not keep the key.
  static bool ClaimShortcut(const QKeyEvent& event);

  // SetEnabled outside an update: it wins until its window closes.
  static void RecordExplicit(MenuItem& item);
  static void ForgetWindow(const Window& window);
  static void ForgetAll();
  static void Destroyed(MenuItem& item);

  // Syncs the action with the item's caption, shortcut, visibility, state.
  static void Sync(MenuItem& item);

 private:
  static void Trigger(MenuItem& item);
};

}  // namespace fw
