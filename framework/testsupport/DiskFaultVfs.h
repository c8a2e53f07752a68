#pragma once
// The file system for SQLite behind DiskFaults: a thin one over the system's
// default, whose writes that grow a file draw on the free space and fail
// with SQLITE_FULL once it is used up, and which opens catalogues read-only
// when told to. Without a fault set it only passes every call on.

#include <QtGlobal>

struct sqlite3_vfs;

namespace fw::testsupport {

struct DiskFaultSettings {
  qint64 freeBytes = -1;  // what the files may still grow by; negative for no limit
  bool openReadOnly = false;
};

// What the file system does now; read at every open and write.
DiskFaultSettings& CurrentDiskFaults();

// The file system, made over the default one at the first call; not
// registered by itself.
sqlite3_vfs* DiskFaultVfs();

}  // namespace fw::testsupport
