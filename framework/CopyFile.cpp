// File copy: the kernel's copy into a temporary file beside the destination, then a rename,
// so that the destination appears whole or not at all and a full disk loses nothing.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "framework/FileSystem.h"

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool CopyWithReadWrite(int in, int out) {
  static constexpr size_t kChunk = 1 << 20;
  std::string buffer(kChunk, '\0');
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), kChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

bool CopyContents(int in, int out, off_t size) {
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

bool CopyOpened(int in, const struct stat& st, const std::string& dst, bool fail_if_exists) {
  const size_t cut = dst.rfind('/');
  const std::string dir = cut == std::string::npos ? "." : dst.substr(0, cut == 0 ? 1 : cut);
  std::string temp = dir + "/" + afx::kCopyTempPrefix + "XXXXXX";
  Fd out(::mkostemp(temp.data(), O_CLOEXEC));
  if (!out.ok()) return false;
  // Durable before it takes the destination's name: a record may name it right after.
  bool ok = CopyContents(in, out.get(), st.st_size) && ::fsync(out.get()) == 0;
  if (ok) {
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ok = ::fchmod(out.get(), st.st_mode & 07777) == 0 && ::futimens(out.get(), times) == 0;
  }
  if (ok && fail_if_exists) {
    ok = ::link(temp.c_str(), dst.c_str()) == 0;  // fails when dst exists; never replaces
  } else if (ok) {
    if (DestinationLocked(dst)) {
      ok = false;
      errno = EBUSY;
    } else {
      ok = ::rename(temp.c_str(), dst.c_str()) == 0;
    }
    if (ok) temp.clear();
  }
  const int saved = errno;
  if (!temp.empty()) ::unlink(temp.c_str());
  errno = saved;
  return ok;
}

}  // namespace

BOOL CopyFileA(const char* src, const char* dst, BOOL fail_if_exists) {
  std::string from, to;
  if (!src || !dst || !afx::TryToUtf8(CString(src), from) || !afx::TryToUtf8(CString(dst), to)) {
    return FALSE;
  }
  // O_NONBLOCK: a FIFO or device is refused below instead of waited on.
  Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st;
  if (!in.ok() || ::fstat(in.get(), &st) != 0) return FALSE;
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return FALSE;
  }
  const int fl = ::fcntl(in.get(), F_GETFL);
  if (fl < 0 || ::fcntl(in.get(), F_SETFL, fl & ~O_NONBLOCK) != 0) return FALSE;
  // A source held with exclusive sharing by its writer cannot be read, as on Windows.
  if (::flock(in.get(), LOCK_SH | LOCK_NB) != 0) return FALSE;
  if (fail_if_exists && ::faccessat(AT_FDCWD, to.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) == 0) {
    errno = EEXIST;
    return FALSE;
  }
  return CopyOpened(in.get(), st, to, fail_if_exists != 0) ? TRUE : FALSE;
}
