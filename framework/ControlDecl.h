#pragma once
// A window's controls declared as data: one row per control, in creation
// order. Window::CreateControlsFrom builds them from such a table.
//
// Positions are measured from the top left of the window's content area,
// also for controls inside groups and tab pages. Locks keep a control's
// distance to that edge of the window when the window is resized: locked at
// top and bottom it grows with the height, at the bottom only it moves.

#include "framework/Picture.h"
#include "framework/String.h"

#include <vector>

namespace fw {

enum class ControlClass {
  kTabPanel,
  kListbox,
  kLabel,
  kGroupBox,
  kCheckBox,
  kPopupMenu,
  kBevelButton,
  kTextField,
  kPushButton,
  kTextArea,
  kDisclosureTriangle,
  kCanvas
};

enum Lock : unsigned { kLockLeft = 1, kLockTop = 2, kLockRight = 4, kLockBottom = 8 };
constexpr unsigned kLT = kLockLeft | kLockTop;
constexpr unsigned kLTR = kLockLeft | kLockTop | kLockRight;
constexpr unsigned kLTRB = kLockLeft | kLockTop | kLockRight | kLockBottom;
constexpr unsigned kLRB = kLockLeft | kLockRight | kLockBottom;

enum class Align { kDefault, kLeft, kCenter, kRight };

struct ControlDecl {
  ControlClass cls;
  String name;
  int index = -1;  // member index of a control array; -1 for a plain control
  int left = 0, top = 0, width = 0, height = 0;
  String parent{};  // containing control ("" for the window)
  int page = 0;     // tab page from 1 within the parent's tab panel; 0 none
  unsigned locks = kLT;
  int tabIndex = -1;            // focus order among the controls of one parent
  bool tabStop = true;          // false: the Tab key passes it by (a click may still focus)
  bool acceptFocus = true;      // false: never takes the focus
  String text{};                // caption, label or field text ("\r" is a line break)
  std::vector<String> items{};  // pop-up entries, list headings, tab pages
  int listIndex = -1;           // selected entry / shown page
  bool enabled = true;
  bool checked = false;
  bool defaultButton = false;  // pushed by Return/Enter
  bool cancelButton = false;   // pushed by Escape
  bool readOnly = false;
  bool multiline = false;
  bool bold = false;
  int fontSize = 0;        // design points (pixels, as the geometry); 0 the platform's default
  unsigned textColor = 0;  // 0xRRGGBB; 0 the platform's default
  Align alignment = Align::kDefault;
  // Listbox
  int columnCount = 1;
  bool hasHeading = false;
  String columnWidths{};  // "0, 75, 180, *"
  int headingIndex = -1;
  int selectionType = 0;  // 0 single, 1 multiple
  bool columnsResizable = false;
  // Last, so the tables above keep their designated-initialiser order.
  bool visible = true;
  String helpTag{};    // shown as a tooltip
  Picture backdrop{};  // Canvas: set before the other design values
};

}  // namespace fw
