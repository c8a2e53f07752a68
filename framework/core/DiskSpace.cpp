#include "framework/core/DiskSpace.h"

#include <algorithm>

namespace fw::core {

qint64& FreeDiskSpace() {
  static qint64 bytes = -1;
  return bytes;
}

qint64 ClaimDiskSpace(qint64 bytes) {
  qint64& free = FreeDiskSpace();
  if (free < 0) return bytes;
  const qint64 granted = std::min(bytes, free);
  free -= granted;
  return granted;
}

}  // namespace fw::core
