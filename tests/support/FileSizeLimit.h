#pragma once
// While it lives, writes past `bytes` in any file fail as on a full disk,
// also for root (the process's file size limit, its signal ignored).

#include <csignal>
#include <sys/resource.h>

namespace klangbuch_test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_;
    small.rlim_cur = bytes;
    set_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool IsSet() const { return set_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
  bool set_ = false;
};

}  // namespace klangbuch_test
