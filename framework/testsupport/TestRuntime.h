#pragma once
// What tests and the benchmark need of the run time beyond what the program
// uses: a program folder of their own, and a fresh start in one process.

#include "framework/String.h"

namespace fw {

// Makes GetFolderItem resolve against `path` instead of the program's
// folder; "" goes back to the program's folder.
void SetApplicationFolder(const String& path);

// Closes every open window (their Close events run) and deletes the closed
// ones, forgets explicit menu settings, a quit request, its exit code and
// whether the application's Close event ran, so one test program can start
// up many times. The registered application object and the version stay.
void ResetRuntimeForTesting();

}  // namespace fw
