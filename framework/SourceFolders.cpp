#include "framework/SourceFolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "framework/FileDescriptor.h"

namespace afx {

namespace {

class Dir {
 public:
  explicit Dir(DIR* d) : d_(d) {}
  Dir(const Dir&) = delete;
  Dir& operator=(const Dir&) = delete;
  ~Dir() {
    if (d_) ::closedir(d_);
  }
  DIR* get() const { return d_; }

 private:
  DIR* d_;
};

using Fd = FileDescriptor;

SourceEntry Look(int dir_fd, const char* os_name) {
  SourceEntry entry;
  entry.exactName = TryFromUtf8(os_name, entry.name);
  if (!entry.exactName) entry.name = CString(std::string_view(os_name));
  struct stat st;
  // A link is followed: the walk keeps loops out by the identities of the folders it met.
  if (::fstatat(dir_fd, os_name, &st, 0) != 0) {
    entry.look.error = errno;
    return entry;
  }
  entry.look.isRegular = S_ISREG(st.st_mode);
  entry.look.isDirectory = S_ISDIR(st.st_mode);
  entry.identity = {static_cast<unsigned long long>(st.st_dev),
                    static_cast<unsigned long long>(st.st_ino)};
  return entry;
}

}  // namespace

bool ListSourceFolder(const CString& dir, std::vector<SourceEntry>& out) {
  out.clear();
  std::string os;
  if (!TryToUtf8(dir, os)) {
    errno = EILSEQ;
    return false;
  }
  Dir d(::opendir(os.c_str()));
  if (!d.get()) return false;
  errno = 0;
  while (const struct dirent* e = ::readdir(d.get())) {
    const std::string_view name(e->d_name);
    if (name != "." && name != "..") out.push_back(Look(::dirfd(d.get()), e->d_name));
    errno = 0;
  }
  if (errno != 0) return false;
  std::sort(out.begin(), out.end(), [](const SourceEntry& a, const SourceEntry& b) {
    return a.name.Bytes() < b.name.Bytes();
  });
  return true;
}

bool GetFolderIdentity(const CString& path, FolderIdentity& out) {
  std::string os;
  struct stat st;
  if (!TryToUtf8(path, os)) {
    errno = EILSEQ;
    return false;
  }
  if (::stat(os.c_str(), &st) != 0) return false;
  if (!S_ISDIR(st.st_mode)) {
    errno = ENOTDIR;
    return false;
  }
  out = {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
  return true;
}

bool CreateFoldersBelow(const CString& base, const CStringArray& names) {
  std::string os;
  if (!TryToUtf8(base, os)) {
    errno = EILSEQ;
    return false;
  }
  Fd at(::open(os.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (at.get() < 0) return false;
  for (int i = 0; i < names.GetSize(); ++i) {
    std::string name;
    if (!IsPlainFileName(names[i]) || !TryToUtf8(names[i], name)) {
      errno = EINVAL;
      return false;
    }
    if (::mkdirat(at.get(), name.c_str(), 0777) != 0 && errno != EEXIST) return false;
    // Opened from the folder above, never through a link: what was just made (or found) is
    // the folder itself, not a way out of the destination.
    const int next =
        ::openat(at.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) return false;
    at.Reset(next);
  }
  return true;
}

}  // namespace afx
