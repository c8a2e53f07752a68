#pragma once
// Faults from the disk, for tests: a disk that fills up and a catalogue
// that may not be written, both of which root's tests cannot get from the
// file system itself.

#include <QtGlobal>

namespace fw {

// From now on the layer's writers (text output streams) may write `bytes`
// more bytes in all; a write beyond that fails as on a full disk, and a
// stream that failed leaves its target as it was. Negative: no limit.
void SetFreeDiskSpaceForTesting(qint64 bytes);

// Connections made from now on open the file read-only, as the engine opens
// a file that is write-protected for the user (which no file is for root);
// every write then fails with SQLITE_READONLY.
void OpenDatabasesReadOnlyForTesting(bool readOnly);

}  // namespace fw
