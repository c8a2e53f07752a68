#pragma once
// The program as the fuzz targets meet it: started once per process, the
// way the tests start it, in temporary folders, with scripted dialogs.

#include "mainwindow/MainWindow.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The main window of the running program, opened on first use: an empty
// "recordings.rsd" in a temporary program folder, a temporary preferences
// folder, every dialog answered by script.
MainWindow& OpenMainWindow();

// The path of "Klangbuch Prefs" in that preferences folder.
QString PrefsPath();

// A path for a file of the target's own, in the program's temporary folder.
QString ScratchPath(const QString& name);

// Ends the process with a message when a promised property does not hold;
// libFuzzer keeps the input as a crash.
void Require(bool holds, const char* what, const QString& detail = QString());

QString Text(const uint8_t* data, size_t size);

}  // namespace fuzz
