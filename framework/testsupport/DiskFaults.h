#pragma once
// Faults from the disk under the database, for tests: a disk that fills up
// and a catalogue that may not be written, which root's tests cannot get
// from the file system itself. (A text file on a full disk: the process's
// file size limit, tests/support/FileSizeLimit.h, does for streams.)
//
// Constructing one makes SQLite's default file system one over the
// system's that brings these faults, so it must exist before the program
// opens its file; the destructor lifts the faults (from connections still
// open too) and puts the system's file system back as the default. One at a
// time.

#include <QtGlobal>

namespace fw {

class DiskFaults {
 public:
  DiskFaults();
  ~DiskFaults();
  DiskFaults(const DiskFaults&) = delete;
  DiskFaults& operator=(const DiskFaults&) = delete;

  // From now on the database files (a catalogue and its journal) may grow
  // by `bytes` more bytes in all; a write that does not fit fails with
  // SQLITE_FULL, as on a full disk. Overwriting a page needs no room, unlike
  // under a file size limit. Negative: no limit, as at the start.
  void SetFreeSpace(qint64 bytes);

  // Catalogues opened from now on are opened read-only, as the engine opens
  // a file that is write-protected for the user (which no file is for
  // root); every write on such a connection fails with SQLITE_READONLY.
  void SetOpenReadOnly(bool readOnly);
};

}  // namespace fw
