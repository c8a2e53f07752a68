#pragma once
// Helpers shared by the options tab and the preferences file for the two
// preset lists (sound carrier and recording system).

#include "framework/Controls.h"
#include "framework/String.h"

namespace presets {

// Empties `to` and appends every entry of `from`, in order; selects nothing.
void CopyEntries(const fw::PopupMenu& from, fw::PopupMenu& to);

// `text` with every tab, carriage return and line feed replaced by a blank:
// an entry is one field of one line in the preferences file.
fw::String OneLine(const fw::String& text);

}  // namespace presets
