#pragma once
// Whether connections open their file read-only. False in the program; the
// test support sets it (DiskFaults.h).

namespace fw::db {

bool& OpenReadOnly();

}  // namespace fw::db
