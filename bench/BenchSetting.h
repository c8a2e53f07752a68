#pragma once
// What every bench run starts from: the offscreen platform, a program and
// a preferences folder of its own, and scripted dialogs, so nothing waits
// on a modal dialog.

#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <QTemporaryDir>

struct BenchSetting {
  BenchSetting() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", prefsDir.path().toUtf8());
    fw::SetApplicationFolder(programDir.path());
  }
  QTemporaryDir programDir, prefsDir;
  fw::ScriptedDialogs dialogs;
};

#ifdef NDEBUG
inline constexpr char kBuildName[] = "Release";
#else
inline constexpr char kBuildName[] = "Debug";
#endif
