#pragma once
// The free space of the disk as the layer's writers see it, so tests can
// fill the disk without a disk: text output streams and the database file
// draw on it, and a write that finds it used up fails as on a full disk.

#include <QtGlobal>

namespace fw {

// Tests only: from now on the writers may write `bytes` more bytes in all;
// a negative value lifts the limit (the default).
void SetFreeDiskSpaceForTesting(qint64 bytes);

// The layer's writers: how many of `bytes` fit on the disk, taken from the
// free space.
qint64 ClaimDiskSpace(qint64 bytes);

}  // namespace fw
