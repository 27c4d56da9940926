// The framework's exceptions. Thrown by value, caught by const reference.
#pragma once

#include <exception>

#include "framework/CString.h"

class CException : public std::exception {
 public:
  CException() = default;
  explicit CException(const CString& message) : message_(message) {}
  const char* what() const noexcept override { return message_.GetString(); }
  const CString& GetMessage() const { return message_; }

 private:
  CString message_;
};

class CMemoryException : public CException {
 public:
  CMemoryException() : CException("out of memory") {}
};

class CInvalidArgException : public CException {
 public:
  CInvalidArgException() : CException("invalid argument") {}
};

class CFileException : public CException {
 public:
  enum Cause {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
    fileExists,
    // Our own: the name is a symbolic link, a directory, a FIFO, a device or a file with more
    // than one name, where only a plain regular file will do.
    notRegularFile
  };
  CFileException(int cause, int os_error, const CString& file_name);
  int m_cause;
  int m_lOsError;
  CString m_strFileName;

  // Maps an errno value to the framework's cause.
  static int CauseFromErrno(int error);
};

class CArchiveException : public CException {
 public:
  enum Cause {
    none,
    genericException,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema
  };
  explicit CArchiveException(int cause) : CException("archive error"), m_cause(cause) {}
  int m_cause;
};
