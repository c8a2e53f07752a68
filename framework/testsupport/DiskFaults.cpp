#include "framework/testsupport/DiskFaults.h"

#include "framework/core/DiskSpace.h"
#include "framework/db/ReadOnly.h"

namespace fw {

void SetFreeDiskSpaceForTesting(qint64 bytes) { core::FreeDiskSpace() = bytes; }

void OpenDatabasesReadOnlyForTesting(bool readOnly) { db::OpenReadOnly() = readOnly; }

}  // namespace fw
