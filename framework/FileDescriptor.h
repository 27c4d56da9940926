// FileDescriptor: an open file descriptor owned by one scope, closed when the scope ends, so
// that no way out of a file operation leaks it.
#pragma once

#include <unistd.h>

namespace afx {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Reset(-1); }

  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes the descriptor held and holds fd instead.
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes the descriptor now; false (errno) when the close reported an error, which for a
  // file written is where a network file system tells of a write that failed.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }
  // Gives the descriptor up without closing it: another owner has it now.
  void Release() { fd_ = -1; }

 private:
  int fd_;
};

}  // namespace afx
