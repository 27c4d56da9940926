#include "framework/CFile.h"

#include "framework/SystemCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

int OpenMode(UINT flags) {
  // O_NONBLOCK: a FIFO or device is refused below instead of waited on.
  int mode = O_CLOEXEC | O_NONBLOCK;
  // A link is followed only to read, and only where asked.
  const bool writes = flags & (CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate);
  if (!(flags & CFile::modeFollowLink) || writes) mode |= O_NOFOLLOW;
  if (flags & CFile::modeReadWrite) {
    mode |= O_RDWR;
  } else if (flags & CFile::modeWrite) {
    mode |= O_WRONLY;
  } else {
    mode |= O_RDONLY;
  }
  // Never O_TRUNC here: the file is truncated only once its lock is held.
  if (flags & CFile::modeCreate) mode |= O_CREAT;
  if ((flags & CFile::modeCreate) && (flags & CFile::modeCreateNew)) mode |= O_EXCL;
  return mode;
}

int LockMode(UINT flags) {
  const UINT share = flags & 0x0070;
  return (share == CFile::shareExclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
}

// 0 when fd is a regular file (with one name, where asked), else the errno to report.
int CheckRegular(int fd, UINT flags) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return EIO;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  if (!S_ISREG(st.st_mode)) return EINVAL;
  if ((flags & CFile::modeSingleLink) && st.st_nlink != 1) return EMLINK;
  // Reads and writes of a regular file wait as usual.
  const int fl = ::fcntl(fd, F_GETFL);
  if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) return EIO;
  return 0;
}

void Fill(CFileException* error, int cause, int os_error, const CString& name) {
  if (error) *error = CFileException(cause, os_error, name);
}

}  // namespace

CFile::CFile(const char* file_name, UINT open_flags) {
  CFileException error(CFileException::none, 0, CString());
  if (!Open(file_name, open_flags, &error)) throw error;
}

CFile::~CFile() {
  Abort();
}

BOOL CFile::Open(const char* file_name, UINT flags, CFileException* error) {
  Abort();
  const CString name(file_name);
  std::string os;
  if (!afx::TryToUtf8(name, os) || os.empty()) {
    Fill(error, CFileException::badPath, EILSEQ, name);
    return FALSE;
  }
  const int fd = ::open(os.c_str(), OpenMode(flags), 0666);
  if (fd < 0) {
    const int e = errno;
    // ELOOP here means the name itself is a symbolic link (O_NOFOLLOW); ENXIO a FIFO
    // without a reader or a device without its hardware.
    const int cause =
        e == ENXIO ? CFileException::notRegularFile : CFileException::CauseFromErrno(e);
    Fill(error, cause, e, name);
    return FALSE;
  }
  if (const int e = CheckRegular(fd, flags); e != 0) {
    ::close(fd);
    Fill(error, e == EIO ? CFileException::hardIO : CFileException::notRegularFile, e, name);
    return FALSE;
  }
  if (::flock(fd, LockMode(flags)) != 0) {
    const int e = errno;
    ::close(fd);
    Fill(error,
         e == EWOULDBLOCK ? CFileException::sharingViolation : CFileException::CauseFromErrno(e), e,
         name);
    return FALSE;
  }
  if ((flags & modeCreate) && !(flags & modeNoTruncate) && ::ftruncate(fd, 0) != 0) {
    const int e = errno;
    ::close(fd);
    Fill(error, CFileException::CauseFromErrno(e), e, name);
    return FALSE;
  }
  m_hFile = fd;
  path_ = name;
  return TRUE;
}

void CFile::ThrowErrno(int error) const {
  throw CFileException(CFileException::CauseFromErrno(error), error, path_);
}

UINT CFile::Read(void* buffer, UINT count) {
  char* out = static_cast<char*>(buffer);
  UINT done = 0;
  while (done < count) {
    const ssize_t n = afx::Sys().read(m_hFile, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno);
    if (n == 0) break;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CFile::Write(const void* buffer, UINT count) {
  const char* in = static_cast<const char*>(buffer);
  UINT done = 0;
  while (done < count) {
    const ssize_t n = ::write(m_hFile, in + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno);
    if (n == 0) ThrowErrno(ENOSPC);
    done += static_cast<UINT>(n);
  }
}

ULONGLONG CFile::Seek(long long offset, UINT from) {
  const int whence = from == end ? SEEK_END : (from == current ? SEEK_CUR : SEEK_SET);
  const off_t at = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
  if (at < 0) throw CFileException(CFileException::badSeek, errno, path_);
  return static_cast<ULONGLONG>(at);
}

ULONGLONG CFile::GetPosition() const {
  const off_t at = ::lseek(m_hFile, 0, SEEK_CUR);
  if (at < 0) ThrowErrno(errno);
  return static_cast<ULONGLONG>(at);
}

ULONGLONG CFile::GetLength() const {
  struct stat st;
  if (::fstat(m_hFile, &st) != 0) ThrowErrno(errno);
  return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG length) {
  if (::ftruncate(m_hFile, static_cast<off_t>(length)) != 0) ThrowErrno(errno);
}

void CFile::Reserve(ULONGLONG length) {
  if (length == 0) return;
  if (::fallocate(m_hFile, 0, 0, static_cast<off_t>(length)) == 0) return;
  // File systems without preallocation (some network shares) are written as they come.
  if (errno != EOPNOTSUPP && errno != ENOSYS) ThrowErrno(errno);
}

bool CFile::IsLinked() const {
  struct stat st;
  return ::fstat(m_hFile, &st) == 0 && st.st_nlink > 0;
}

void CFile::Flush() {
  if (m_hFile != hFileNull && ::fsync(m_hFile) != 0) ThrowErrno(errno);
}

void CFile::Close() {
  if (m_hFile == hFileNull) return;
  const int fd = m_hFile;
  m_hFile = hFileNull;
  // Closing the descriptor releases its lock.
  if (::close(fd) != 0 && errno != EINTR) ThrowErrno(errno);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) ::close(m_hFile);
  m_hFile = hFileNull;
}

CString CFile::GetFileName() const {
  return path_.Mid(path_.ReverseFind(kPathSeparator) + 1);
}

BOOL CFile::GetStatus(const char* file_name, CFileStatus& status) {
  return afx::GetFileStatus(CString(file_name), status) ? TRUE : FALSE;
}

void CFile::Remove(const char* file_name) {
  if (!afx::RemoveFile(CString(file_name))) {
    throw CFileException(CFileException::CauseFromErrno(errno), errno, CString(file_name));
  }
}

void CFile::Rename(const char* old_name, const char* new_name) {
  std::string from, to;
  if (!afx::TryToUtf8(CString(old_name), from) || !afx::TryToUtf8(CString(new_name), to) ||
      ::rename(from.c_str(), to.c_str()) != 0) {
    throw CFileException(CFileException::CauseFromErrno(errno), errno, CString(old_name));
  }
}
