#pragma once
// The database file and its journal on the layer's disk (core/DiskSpace.h):
// a thin file system for SQLite over the system's one, whose writes that
// grow a file draw on the free disk space and fail with SQLITE_FULL once it
// is used up. Without a limit it only passes every call on.

namespace fw::db {

// The name to open connections with; registers the file system on first use.
const char* DiskSpaceVfsName();

}  // namespace fw::db
