#pragma once
// What tests and the benchmark need of the run time beyond what the program
// uses: a program folder of their own, a fixed today, and a fresh start in
// one process.

#include "framework/Date.h"
#include "framework/String.h"

#include <optional>

namespace fw {

// Makes GetFolderItem resolve against `path` instead of the program's
// folder; "" goes back to the program's folder.
void SetApplicationFolder(const String& path);

// Fixes the date Date::Now gives (and two-digit years are read against), so
// a test cannot fail at midnight or at New Year; nullopt goes back to the
// clock.
void SetToday(const std::optional<Date>& today);

// Closes every open window (their Close events run) and deletes the closed
// ones, forgets explicit menu settings, a quit request, its exit code and
// whether the application's Close event ran, so one test program can start
// up many times. The registered application object and the version stay.
void ResetRuntimeForTesting();

}  // namespace fw
