#include "framework/DiskSpace.h"

#include <algorithm>

namespace fw {

namespace {
qint64 freeSpace = -1;  // no limit
}

void SetFreeDiskSpaceForTesting(qint64 bytes) { freeSpace = bytes; }

qint64 ClaimDiskSpace(qint64 bytes) {
  if (freeSpace < 0) return bytes;
  const qint64 granted = std::min(bytes, freeSpace);
  freeSpace -= granted;
  return granted;
}

}  // namespace fw
