#pragma once
// Faults from the disk, for tests: a disk that fills up and a catalogue
// that may not be written, both of which root's tests cannot get from the
// file system itself.

#include <QtGlobal>

namespace fw {

// From now on the layer's writers may write `bytes` more bytes in all: text
// output streams (a stream that runs out fails and leaves its target as it
// was) and the database file with its journal (a write that does not fit
// fails with SQLITE_FULL). Negative: no limit.
void SetFreeDiskSpaceForTesting(qint64 bytes);

// Connections made from now on open the file read-only, as the engine opens
// a file that is write-protected for the user (which no file is for root);
// every write then fails with SQLITE_READONLY.
void OpenDatabasesReadOnlyForTesting(bool readOnly);

}  // namespace fw
