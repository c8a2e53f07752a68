#include "framework/testsupport/DiskFaults.h"

#include "framework/testsupport/DiskFaultVfs.h"

#include <sqlite3.h>

namespace fw {

using testsupport::CurrentDiskFaults;
using testsupport::DiskFaultVfs;

DiskFaults::DiskFaults() {
  sqlite3_vfs* const vfs = DiskFaultVfs();
  // A second one's end would take the first one's file system away.
  if (sqlite3_vfs_find(vfs->zName)) qFatal("DiskFaults: one at a time");
  CurrentDiskFaults() = {};
  sqlite3_vfs_register(vfs, 1);
}

DiskFaults::~DiskFaults() {
  CurrentDiskFaults() = {};
  sqlite3_vfs_unregister(DiskFaultVfs());
}

void DiskFaults::SetFreeSpace(qint64 bytes) { CurrentDiskFaults().freeBytes = bytes; }

void DiskFaults::SetOpenReadOnly(bool readOnly) { CurrentDiskFaults().openReadOnly = readOnly; }

}  // namespace fw
