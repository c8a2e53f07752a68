#pragma once
// The one menu bar, shared by the application and the main window.

#include "framework/Menu.h"

class MenuBar1 : public fw::MenuBar {
 public:
  // Builds both menus on its first call; the object lives until the end.
  static MenuBar1& SharedInstance();
  // The item of that name, in either menu. A name the bar does not hold is
  // a fault of the program: NilObjectException.
  static fw::MenuItem& Item(const fw::String& name);

 private:
  MenuBar1();
  void Untitled0();  // the file menu
  void Untitled1();  // the edit menu
};
