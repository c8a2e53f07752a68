#include "framework/testsupport/DiskFaultVfs.h"

#include <sqlite3.h>

namespace fw::testsupport {

namespace {

sqlite3_vfs* systemVfs = nullptr;

// Our part of an open file, followed by the system file system's part.
struct File {
  sqlite3_file base;
  sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real(); }
const sqlite3_io_methods& Io(sqlite3_file* f) { return *Real(f)->pMethods; }

int Close(sqlite3_file* f) { return Io(f).xClose(Real(f)); }
int Read(sqlite3_file* f, void* buf, int n, sqlite3_int64 at) {
  return Io(f).xRead(Real(f), buf, n, at);
}
// Only the bytes beyond the file's end need room: overwriting a page does not.
// A write that does not fit uses up what is left, as on a real disk.
int Write(sqlite3_file* f, const void* buf, int n, sqlite3_int64 at) {
  qint64& free = CurrentDiskFaults().freeBytes;
  if (free >= 0) {
    sqlite3_int64 size = 0;
    const int rc = Io(f).xFileSize(Real(f), &size);
    if (rc != SQLITE_OK) return rc;
    const sqlite3_int64 growth = at + n - size;
    if (growth > free) {
      free = 0;
      return SQLITE_FULL;
    }
    if (growth > 0) free -= growth;
  }
  return Io(f).xWrite(Real(f), buf, n, at);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) { return Io(f).xTruncate(Real(f), size); }
int Sync(sqlite3_file* f, int flags) { return Io(f).xSync(Real(f), flags); }
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Io(f).xFileSize(Real(f), size); }
int Lock(sqlite3_file* f, int level) { return Io(f).xLock(Real(f), level); }
int Unlock(sqlite3_file* f, int level) { return Io(f).xUnlock(Real(f), level); }
int CheckReservedLock(sqlite3_file* f, int* out) { return Io(f).xCheckReservedLock(Real(f), out); }
int FileControl(sqlite3_file* f, int op, void* arg) { return Io(f).xFileControl(Real(f), op, arg); }
int SectorSize(sqlite3_file* f) { return Io(f).xSectorSize(Real(f)); }
int DeviceCharacteristics(sqlite3_file* f) { return Io(f).xDeviceCharacteristics(Real(f)); }
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return Io(f).xShmMap(Real(f), region, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return Io(f).xShmLock(Real(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { Io(f).xShmBarrier(Real(f)); }
int ShmUnmap(sqlite3_file* f, int deleteFlag) { return Io(f).xShmUnmap(Real(f), deleteFlag); }
// No memory-mapped reads: a page written through a mapping would pass by
// Write.
int Fetch(sqlite3_file*, sqlite3_int64, int, void** out) {
  *out = nullptr;
  return SQLITE_OK;
}
int Unfetch(sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; }

const sqlite3_io_methods kMethods = {3,
                                     Close,
                                     Read,
                                     Write,
                                     Truncate,
                                     Sync,
                                     FileSize,
                                     Lock,
                                     Unlock,
                                     CheckReservedLock,
                                     FileControl,
                                     SectorSize,
                                     DeviceCharacteristics,
                                     ShmMap,
                                     ShmLock,
                                     ShmBarrier,
                                     ShmUnmap,
                                     Fetch,
                                     Unfetch};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  // As the system opens a catalogue the user may not write: read-only, and
  // the engine told so through the flags it gets back.
  if (CurrentDiskFaults().openReadOnly && (flags & SQLITE_OPEN_MAIN_DB)) {
    flags &= ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    flags |= SQLITE_OPEN_READONLY;
  }
  File* file = reinterpret_cast<File*>(f);
  file->base.pMethods = nullptr;
  const int rc = systemVfs->xOpen(systemVfs, name, file->real(), flags, outFlags);
  // The system's methods of version 3 are what ours pass on to.
  if (file->real()->pMethods) {
    if (file->real()->pMethods->iVersion < 3) {
      file->real()->pMethods->xClose(file->real());
      return SQLITE_CANTOPEN;
    }
    file->base.pMethods = &kMethods;
  }
  return rc;
}

}  // namespace

DiskFaultSettings& CurrentDiskFaults() {
  static DiskFaultSettings settings;
  return settings;
}

sqlite3_vfs* DiskFaultVfs() {
  static sqlite3_vfs vfs = [] {
    systemVfs = sqlite3_vfs_find(nullptr);
    sqlite3_vfs v = *systemVfs;
    v.szOsFile = static_cast<int>(sizeof(File)) + systemVfs->szOsFile;
    v.zName = "klangbuch-disk-faults";
    v.pNext = nullptr;
    v.xOpen = Open;
    return v;
  }();
  return &vfs;
}

}  // namespace fw::testsupport
