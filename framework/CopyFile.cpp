// File copy: the kernel's copy (or a read and write where the caller looks at the bytes) into
// a temporary file beside the destination, then a rename, so that the destination appears
// whole or not at all and a full disk loses nothing.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "framework/FileDescriptor.h"
#include "framework/FileSystem.h"
#include "framework/PendingCopy.h"

namespace {

using Fd = afx::FileDescriptor;

using Seen = std::function<void(std::string_view)>;

bool CopyWithReadWrite(int in, int out, const Seen& seen = {}) {
  static constexpr size_t kChunk = 1 << 20;
  std::string buffer(kChunk, '\0');
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), kChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (seen) seen(std::string_view(buffer.data(), static_cast<size_t>(n)));
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

bool CopyContents(int in, int out, off_t size, const Seen& seen) {
  if (seen) return CopyWithReadWrite(in, out, seen);
  off_t left = size;
  while (left > 0) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(left), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
      return CopyWithReadWrite(in, out);
    }
    if (n < 0) return false;
    if (n == 0) return CopyWithReadWrite(in, out);  // the file grew or the system declined
    left -= n;
  }
  return CopyWithReadWrite(in, out);  // picks up anything appended since the size was read
}

// A destination held with exclusive sharing cannot be replaced, as on Windows.
bool DestinationLocked(const std::string& dst) {
  Fd fd(::open(dst.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
  return fd.ok() && ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0;
}

// Opens a regular file to read; -1 with errno otherwise. O_NONBLOCK: a FIFO or device is
// refused instead of waited on.
int OpenSource(const std::string& path, struct stat& st) {
  Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!in.ok() || ::fstat(in.get(), &st) != 0) return -1;
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  const int fl = ::fcntl(in.get(), F_GETFL);
  if (fl < 0 || ::fcntl(in.get(), F_SETFL, fl & ~O_NONBLOCK) != 0) return -1;
  // A source held with exclusive sharing by its writer cannot be read, as on Windows.
  if (::flock(in.get(), LOCK_SH | LOCK_NB) != 0) return -1;
  const int fd = in.get();
  in.Release();
  return fd;
}

std::string FolderOf(const std::string& path) {
  const size_t cut = path.rfind('/');
  return cut == std::string::npos ? "." : path.substr(0, cut == 0 ? 1 : cut);
}

}  // namespace

namespace afx {

PendingCopy::~PendingCopy() {
  const int saved = errno;  // what made a copy fail is still to be told
  if (!temp_.empty()) ::unlink(temp_.c_str());
  errno = saved;
}

bool PendingCopy::Write(const CString& src, const CString& dst, const Seen& seen, bool durable) {
  std::string from;
  if (!TryToUtf8(src, from) || !TryToUtf8(dst, dst_)) {
    errno = EILSEQ;
    return false;
  }
  struct stat st;
  Fd in(OpenSource(from, st));
  if (!in.ok()) return false;
  std::string temp = FolderOf(dst_) + "/" + kCopyTempPrefix + "XXXXXX";
  Fd out(::mkostemp(temp.data(), O_CLOEXEC));
  if (!out.ok()) return false;
  temp_ = temp;
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  if (!CopyContents(in.get(), out.get(), st.st_size, seen)) return false;
  // Durable before it takes the destination's name: a record may name it right after. Else
  // its writing starts now, and the caller waits for it with the others.
  const bool flushed = durable ? ::fsync(out.get()) == 0
                               : ::sync_file_range(out.get(), 0, 0, SYNC_FILE_RANGE_WRITE) == 0;
  return flushed && ::fchmod(out.get(), st.st_mode & 07777) == 0 &&
         ::futimens(out.get(), times) == 0 && out.Close();
}

bool PendingCopy::CanCommit() const {
  if (!DestinationLocked(dst_)) return true;
  errno = EBUSY;
  return false;
}

bool PendingCopy::Commit(bool fail_if_exists) {
  if (temp_.empty()) {
    errno = EINVAL;
    return false;
  }
  if (fail_if_exists) {
    if (::link(temp_.c_str(), dst_.c_str()) != 0) return false;  // never replaces
    return true;  // the destructor removes the temporary name
  }
  if (!CanCommit()) return false;
  if (::rename(temp_.c_str(), dst_.c_str()) != 0) return false;
  temp_.clear();
  return true;
}

namespace {

// fsync or syncfs of an open folder.
bool SyncOpenFolder(const CString& folder, int (*sync)(int)) {
  std::string path;
  if (!TryToUtf8(folder, path)) {
    errno = EILSEQ;
    return false;
  }
  Fd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.ok() && sync(fd.get()) == 0;
}

}  // namespace

bool FileSystemWatch::Watch(const CString& path) {
  if (folder_.ok()) return true;
  std::string os;
  if (!TryToUtf8(path, os)) {
    errno = EILSEQ;
    return false;
  }
  folder_.Reset(::open(FolderOf(os).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return folder_.ok();
}

bool FileSystemWatch::Sync() const {
  return !folder_.ok() || ::syncfs(folder_.get()) == 0;  // nothing watched: nothing written
}

bool SyncFileSystemOf(const CString& folder) {
  return SyncOpenFolder(folder, ::syncfs);
}

bool SyncFolder(const CString& folder) {
  return SyncOpenFolder(folder, ::fsync);
}

}  // namespace afx

BOOL CopyFileA(const char* src, const char* dst, BOOL fail_if_exists) {
  if (!src || !dst) {
    errno = EINVAL;
    return FALSE;
  }
  afx::PendingCopy copy;
  if (fail_if_exists) {
    std::string to;
    if (afx::TryToUtf8(CString(dst), to) &&
        ::faccessat(AT_FDCWD, to.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) == 0) {
      errno = EEXIST;
      return FALSE;
    }
  }
  return copy.Write(CString(src), CString(dst)) && copy.Commit(fail_if_exists != 0) ? TRUE : FALSE;
}
