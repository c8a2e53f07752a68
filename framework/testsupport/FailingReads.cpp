#include "framework/testsupport/FailingReads.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace {

// The one file whose reads fail, by its device and inode, so that every
// descriptor of it fails alike.
struct Target {
  dev_t device = 0;
  ino_t inode = 0;
  off_t bytes = 0;
};
Target target;
std::atomic<bool> active{false};

}  // namespace

// Takes the C library's place for the whole test program; the system call
// is what the C library's read() makes.
extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  struct stat st;
  if (active.load() && fstat(fd, &st) == 0 && st.st_dev == target.device &&
      st.st_ino == target.inode) {
    const off_t at = lseek(fd, 0, SEEK_CUR);
    if (at >= target.bytes) {
      errno = EIO;
      return -1;
    }
    count = std::min<size_t>(count, static_cast<size_t>(target.bytes - at));
  }
  return syscall(SYS_read, fd, buffer, count);
}

namespace fw {

FailingReads::FailingReads(const String& path, qint64 bytes) {
  struct stat st;
  if (stat(QFile::encodeName(path).constData(), &st) != 0)
    qFatal("FailingReads: no file %s", qPrintable(path));
  target = {st.st_dev, st.st_ino, static_cast<off_t>(bytes)};
  active = true;
}

FailingReads::~FailingReads() { active = false; }

}  // namespace fw
