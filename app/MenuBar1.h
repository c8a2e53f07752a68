#pragma once
// The one menu bar, shared by the application and the main window.

#include "framework/Menu.h"

class MenuBar1 : public fw::MenuBar {
 public:
  // Builds both menus on its first call; the object lives until the end.
  static MenuBar1& SharedInstance();

 private:
  MenuBar1();
  void Untitled0();  // the file menu
  void Untitled1();  // the edit menu
};
