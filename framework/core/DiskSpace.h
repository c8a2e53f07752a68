#pragma once
// The free space of the disk as the database files see it. Unlimited in
// the program; the test support sets it (testsupport/DiskFaults.h), so
// tests fill the disk without a disk.

#include <QtGlobal>

namespace fw::core {

// The bytes the files may still grow by; negative for no limit.
qint64& FreeDiskSpace();

// How many of `bytes` fit on the disk, taken from the free space.
qint64 ClaimDiskSpace(qint64 bytes);

}  // namespace fw::core
