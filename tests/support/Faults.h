// Faults of the disk and the file system, made real for a test through the file layer's table
// of system calls: a read that fails part-way, a look at a file that fails, a rewrite that
// stops dead. Each is armed for files whose path ends in a given text and disarmed with the
// object.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "framework/SystemCalls.h"

namespace faults {

inline std::string PathOfFd(int fd) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char target[4096];
  const ssize_t n = readlink(link, target, sizeof target);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

inline bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

struct State {
  std::string suffix;
  size_t allowed = 0;  // bytes that still pass before the fault
  int error = EIO;
};

inline State& Armed() {
  static State state;
  return state;
}

// Puts the system's calls back when a fault goes out of scope.
class ScopedFault {
 public:
  ScopedFault(const std::string& suffix, size_t after, int error) : saved_(afx::Sys()) {
    Armed() = {suffix, after, error};
  }
  ScopedFault(const ScopedFault&) = delete;
  ScopedFault& operator=(const ScopedFault&) = delete;
  ~ScopedFault() { afx::Sys() = saved_; }

 private:
  afx::SystemCalls saved_;
};

// Reads of a file whose path ends in suffix deliver `after` bytes, then fail with error.
class ReadFault : public ScopedFault {
 public:
  ReadFault(const std::string& suffix, size_t after, int error = EIO)
      : ScopedFault(suffix, after, error) {
    afx::Sys().read = [](int fd, void* buffer, size_t count) -> ssize_t {
      if (!EndsWith(PathOfFd(fd), Armed().suffix)) return ::read(fd, buffer, count);
      if (Armed().allowed == 0) {
        errno = Armed().error;
        return -1;
      }
      const ssize_t n = ::read(fd, buffer, std::min(count, Armed().allowed));
      if (n > 0) Armed().allowed -= static_cast<size_t>(n);
      return n;
    };
  }
};

// A look at a path ending in suffix fails with error, as on a failing network drive.
class LookFault : public ScopedFault {
 public:
  LookFault(const std::string& suffix, int error) : ScopedFault(suffix, 0, error) {
    afx::Sys().lstat = [](const char* path, struct stat* st) -> int {
      if (!EndsWith(path, Armed().suffix)) return ::lstat(path, st);
      errno = Armed().error;
      return -1;
    };
  }
};

// One rewrite of a file whose path ends in suffix fails with EIO after `after` bytes; the
// writes after it (an undo) succeed.
class WriteFaultOnce : public ScopedFault {
 public:
  WriteFaultOnce(const std::string& suffix, size_t after) : ScopedFault(suffix, after, EIO) {
    afx::Sys().pwrite = [](int fd, const void* buffer, size_t count, off_t offset) -> ssize_t {
      if (Armed().error == 0 || !EndsWith(PathOfFd(fd), Armed().suffix)) {
        return ::pwrite(fd, buffer, count, offset);
      }
      if (count <= Armed().allowed) {
        Armed().allowed -= count;
        return ::pwrite(fd, buffer, count, offset);
      }
      if (Armed().allowed > 0)
        return ::pwrite(fd, buffer, std::exchange(Armed().allowed, 0), offset);
      errno = std::exchange(Armed().error, 0);
      return -1;
    };
  }
};

// The process dies (SIGKILL) in the middle of rewriting a file whose path ends in suffix,
// after `after` bytes of it. Only for a forked child.
inline void DieWhileRewriting(const std::string& suffix, size_t after) {
  Armed() = {suffix, after, 0};
  afx::Sys().pwrite = [](int fd, const void* buffer, size_t count, off_t offset) -> ssize_t {
    if (!EndsWith(PathOfFd(fd), Armed().suffix)) return ::pwrite(fd, buffer, count, offset);
    if (count > Armed().allowed) {
      if (::pwrite(fd, buffer, Armed().allowed, offset) < 0) return -1;
      raise(SIGKILL);
    }
    Armed().allowed -= count;
    return ::pwrite(fd, buffer, count, offset);
  };
}

}  // namespace faults
