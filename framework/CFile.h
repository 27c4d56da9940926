// CFile: a file opened with the framework's flags. Windows share modes are emulated with
// flock, taken at every open without waiting: shareExclusive takes an exclusive lock, every
// other share mode a shared one, and an open whose lock cannot be taken fails. So a file held
// with shareExclusive cannot be opened again, by this process or another, until it is closed.
// Only a regular file is ever opened, and never through a symbolic link at its name: a link
// could lead a write outside the register, and a FIFO or device would block the caller.
#pragma once

#include "framework/CString.h"
#include "framework/Exceptions.h"
#include "framework/FileSystem.h"
#include "framework/Types.h"

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
    // Our own: with modeCreate, fail with fileExists when the file is already there, so that
    // of several processes creating one file exactly one succeeds.
    modeCreateNew = 0x10000,
    // Our own: refuse a file that has more than one name (a hard link), whose writes would
    // land in a file elsewhere too.
    modeSingleLink = 0x20000,
    // Our own: follow a symbolic link at the name, for a file the user names through a link
    // of their own (a configuration or catalogue file), read only. Never for the register's
    // files. The file it leads to must still be a regular file.
    modeFollowLink = 0x40000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };
  static constexpr int hFileNull = -1;

  CFile() = default;
  // Opens or throws CFileException.
  CFile(const char* file_name, UINT open_flags);
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;
  virtual ~CFile();

  // Nonzero on success; on failure fills *error when given.
  virtual BOOL Open(const char* file_name, UINT open_flags, CFileException* error = nullptr);
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual ULONGLONG Seek(long long offset, UINT from);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG length);
  // Makes everything written so far durable on the disk (fsync).
  virtual void Flush();
  virtual void Close();
  // Closes without throwing.
  virtual void Abort();

  bool IsOpen() const { return m_hFile != hFileNull; }
  // Makes sure the disk holds room for length bytes, so that a rewrite in place cannot run
  // out of space halfway. Throws CFileException (diskFull) when it cannot.
  void Reserve(ULONGLONG length);
  // Whether the open file still has a name on disk (it was not deleted, nor its folder).
  bool IsLinked() const;
  CString GetFilePath() const { return path_; }
  CString GetFileName() const;

  static BOOL GetStatus(const char* file_name, CFileStatus& status);
  static void Remove(const char* file_name);
  static void Rename(const char* old_name, const char* new_name);

  int m_hFile = hFileNull;

 protected:
  [[noreturn]] void ThrowErrno(int error) const;

 private:
  CString path_;
};
