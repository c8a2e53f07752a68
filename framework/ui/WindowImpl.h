#pragma once
// The private part of Window, shared by its source files.

#include "framework/Window.h"
#include "framework/ui/WindowWidget.h"

namespace fw {

struct Window::Impl {
  ui::WindowWidget* widget = new ui::WindowWidget;  // deleted by ~Window
  bool building = false;
  bool activating = false;
  bool owned = false;  // made by SharedInstance: the layer deletes it
};

}  // namespace fw
