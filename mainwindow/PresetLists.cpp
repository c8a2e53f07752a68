#include "mainwindow/PresetLists.h"

#include "framework/Runtime.h"

namespace presets {

void CopyEntries(const fw::PopupMenu& from, fw::PopupMenu& to) {
  to.DeleteAllRows();
  for (fw::Integer i = 0; i < from.ListCount(); ++i) {
    fw::BackgroundTask();
    to.AddRow(from.List(i));
  }
}

fw::String OneLine(const fw::String& text) {
  fw::String line = text;
  for (const char16_t c : {u'\t', u'\r', u'\n'}) line.replace(c, u' ');
  return line;
}

}  // namespace presets
