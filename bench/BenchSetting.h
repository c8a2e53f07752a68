#pragma once
// What every bench run starts from: the offscreen platform, a program and
// a preferences folder of its own, and scripted dialogs, so nothing waits
// on a modal dialog.

#include "app/Startup.h"
#include "bench/RecordingsFile.h"
#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

struct BenchSetting {
  BenchSetting() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", prefsDir.path().toUtf8());
    fw::SetApplicationFolder(programDir.path());
  }
  // "recordings.rsd" of `count` made-up recordings in the program folder;
  // a bench that cannot write it has nothing to measure.
  QString WriteCatalogue(int count) {
    const QString file = programDir.filePath(QStringLiteral("recordings.rsd"));
    fw::String error;
    if (!WriteRecordingsFile(file, count, error)) {
      std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file), qPrintable(error));
      std::exit(1);
    }
    return file;
  }
  // The program's own start-up, up to an open main window with its list.
  static void StartProgram(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    InitApplication();
    fw::RunFrameworkInitialization(&OnFrameworkInitialized);
    QCoreApplication::processEvents();
  }
  QTemporaryDir programDir, prefsDir;
  fw::ScriptedDialogs dialogs;
};

#ifdef NDEBUG
inline constexpr char kBuildName[] = "Release";
#else
inline constexpr char kBuildName[] = "Debug";
#endif
