// The system calls through which the file layer reads, rewrites and looks at files. They are held
// in one table so that a test can make them fail part-way, as a failing disk or a network drive
// does, and see that nothing is lost; the program never changes them.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace afx {

struct SystemCalls {
  ssize_t (*read)(int fd, void* buffer, size_t count);
  ssize_t (*pread)(int fd, void* buffer, size_t count, off_t offset);
  ssize_t (*pwrite)(int fd, const void* buffer, size_t count, off_t offset);
  int (*lstat)(const char* path, struct stat* st);
};

// The calls in use; the system's own unless a test replaced them.
SystemCalls& Sys();

}  // namespace afx
