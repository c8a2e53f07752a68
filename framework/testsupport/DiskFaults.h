#pragma once
// Faults from the disk under the database, for tests: a disk that fills up
// and a catalogue that may not be written, which root's tests cannot get
// from the file system itself. (A text file on a full disk: the process's
// file size limit, tests/support/FileSizeLimit.h, does for streams.)

#include <QtGlobal>

namespace fw {

// From now on the database files (the catalogue and its journal) may grow
// by `bytes` more bytes in all; a write that does not fit fails with
// SQLITE_FULL, as on a full disk. Overwriting a page needs no room, unlike
// under a file size limit. Negative: no limit.
void SetFreeDiskSpaceForTesting(qint64 bytes);

// Connections made from now on open the file read-only, as the engine opens
// a file that is write-protected for the user (which no file is for root);
// every write then fails with SQLITE_READONLY.
void OpenDatabasesReadOnlyForTesting(bool readOnly);

}  // namespace fw
