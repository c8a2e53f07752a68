#pragma once
// Texts as the controls show them; the controls keep the texts as given.

#include "framework/String.h"

namespace fw::ui {

// A carriage return (alone or before a line feed) is a line break.
String ShownText(const String& text);
// For widgets that read '&' as a mnemonic mark: shown literally.
String LiteralCaption(const String& text);

}  // namespace fw::ui
