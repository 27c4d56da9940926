// Why a file of the register could not be used, in the terms a user acts on: another user
// holds it, access is denied, it is not a plain file, reading or writing failed, or its
// contents cannot be trusted. Each cause has its own message for the user; the path and the
// system's reason go with it for the program to print.
#pragma once

#include "framework/CString.h"
#include "framework/Exceptions.h"

namespace afx {

enum class FileFault {
  none,
  locked,        // another holder has the edit lock
  accessDenied,  // permission denied, read-only file system
  notRegular,    // a symbolic link, directory, FIFO, device or hard-linked file
  readError,     // the system failed to read (EIO, a stale network handle...)
  writeError,    // the system failed to write (full disk, file size limit, EIO...)
  badName,       // a name code page 932 cannot hold exactly, or with a control character
};

struct FileProblem {
  FileFault fault = FileFault::none;
  int osError = 0;
  CString path;

  explicit operator bool() const { return fault != FileFault::none; }
};

// The fault behind a file exception met while reading (writing false) or writing.
FileProblem ProblemOf(const CFileException& e, bool writing);

}  // namespace afx
