#pragma once
// The standard edit items, served by the layer on the focused text field of
// the front window.

#include "framework/String.h"

namespace fw {
class Window;
}

namespace fw::ui {

bool IsStandardEdit(const String& itemName);
// Whether the item can act now (a text field has the focus, with a
// selection for cut, copy and clear).
bool StandardEditAvailable(const String& itemName, const Window* front);
void RunStandardEdit(const String& itemName, const Window* front);

}  // namespace fw::ui
