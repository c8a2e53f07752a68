#pragma once
// A file that cannot be read to its end, for tests: what a failing disk, a
// network folder that drops or a stick pulled out do to a reader, and which
// the file system of a test machine does not give. While a FailingReads
// lives, the test program's read() (the C library's, which Qt's files call)
// gives the first `bytes` bytes of that one file and then fails with EIO;
// every other file reads as ever.

#include "framework/String.h"

#include <QtGlobal>

namespace fw {

class FailingReads {
 public:
  // `path` must name an existing file; only one may fail at a time.
  FailingReads(const String& path, qint64 bytes);
  ~FailingReads();
  FailingReads(const FailingReads&) = delete;
  FailingReads& operator=(const FailingReads&) = delete;
};

}  // namespace fw
