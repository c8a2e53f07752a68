#pragma once
// Where GetFolderItem looks, for the layer's own parts.

#include "framework/String.h"

namespace fw::core {

// When not empty, the folder GetFolderItem resolves against instead of the
// program's own. Empty in the program; the test support fills it, so that a
// test's "recordings.rsd" lies in a temporary folder.
String& ApplicationFolderOverride();

}  // namespace fw::core
