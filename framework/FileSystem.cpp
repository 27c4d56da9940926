#include "framework/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "framework/Mbcs.h"
#include "framework/SystemCalls.h"

namespace afx {

namespace {

// A path that cannot be converted to UTF-8 names nothing on this system.
bool OsPath(const CString& path, std::string& out) {
  return TryToUtf8(path, out);
}

ULONGLONG Nanoseconds(const struct timespec& t) {
  return static_cast<ULONGLONG>(t.tv_sec) * 1000000000ULL + static_cast<ULONGLONG>(t.tv_nsec);
}

}  // namespace

bool GetFileStatus(const CString& path, CFileStatus& status) {
  std::string os;
  struct stat st;
  if (!OsPath(path, os) || ::stat(os.c_str(), &st) != 0) return false;
  status.m_size = static_cast<ULONGLONG>(st.st_size);
  status.m_mtime = Nanoseconds(st.st_mtim);
  status.m_isDirectory = S_ISDIR(st.st_mode);
  return true;
}

PathKind GetPathKind(const CString& path) {
  CFileStatus status;
  if (!GetFileStatus(path, status)) return PathKind::missing;
  return status.m_isDirectory ? PathKind::directory : PathKind::file;
}

PathLook LookAt(const CString& path, bool follow_link) {
  PathLook look;
  std::string os;
  struct stat st;
  if (!OsPath(path, os)) {
    look.error = EILSEQ;
  } else if ((follow_link ? ::stat(os.c_str(), &st) : Sys().lstat(os.c_str(), &st)) != 0) {
    look.error = errno;
  } else {
    look.isRegular = S_ISREG(st.st_mode);
    look.isDirectory = S_ISDIR(st.st_mode);
    look.isLink = S_ISLNK(st.st_mode);
  }
  return look;
}

bool CreateDirectories(const CString& path) {
  std::string os;
  if (!OsPath(path, os) || os.empty()) return false;
  for (size_t at = os.find('/', 1);; at = os.find('/', at + 1)) {
    const std::string prefix = os.substr(0, at);
    if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
    if (at == std::string::npos) break;
  }
  return GetPathKind(path) == PathKind::directory;
}

bool RemoveFile(const CString& path) {
  std::string os;
  return OsPath(path, os) && ::unlink(os.c_str()) == 0;
}

bool RemoveDirectory(const CString& path) {
  std::string os;
  return OsPath(path, os) && ::rmdir(os.c_str()) == 0;
}

bool ListDirectory(const CString& dir, const std::function<void(const DirEntry&)>& visit) {
  std::string os;
  if (!OsPath(dir, os)) return false;
  DIR* d = ::opendir(os.c_str());
  if (!d) return false;
  while (const struct dirent* e = ::readdir(d)) {
    const std::string_view name(e->d_name);
    if (name == "." || name == "..") continue;
    DirEntry entry;
    if (!TryFromUtf8(name, entry.name)) continue;
    entry.isDirectory = e->d_type == DT_DIR;
    entry.isLink = e->d_type == DT_LNK;
    if (e->d_type == DT_UNKNOWN) {
      struct stat st;
      if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        entry.isDirectory = S_ISDIR(st.st_mode);
        entry.isLink = S_ISLNK(st.st_mode);
      }
    }
    visit(entry);
  }
  ::closedir(d);
  return true;
}

namespace {

bool SameChar(const char* a, int la, const char* b, int lb) {
  if (la != lb) return false;
  if (la == 1) return AsciiUpper(*a) == AsciiUpper(*b);
  return a[0] == b[0] && a[1] == b[1];
}

bool Match(const char* p, const char* p_end, const char* n, const char* n_end) {
  while (p < p_end) {
    if (*p == '*') {
      ++p;
      if (p == p_end) return true;
      for (const char* s = n; s <= n_end; s += (s < n_end ? CharLength(s, n_end) : 1)) {
        if (Match(p, p_end, s, n_end)) return true;
      }
      return false;
    }
    if (n == n_end) return false;
    const int lp = CharLength(p, p_end);
    const int ln = CharLength(n, n_end);
    if (!(lp == 1 && *p == '?') && !SameChar(p, lp, n, ln)) return false;
    p += lp;
    n += ln;
  }
  return n == n_end;
}

}  // namespace

bool IsPlainFileName(const CString& name) {
  if (name.IsEmpty() || name == "." || name == "..") return false;
  if (name.Bytes().find('\0') != std::string::npos) return false;
  return name.Find('/') < 0 && name.Find('\\') < 0;
}

bool HasControlCharacter(const CString& name) {
  for (const char c : name.Bytes()) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

bool MatchFileName(const CString& pattern, const CString& name) {
  if (pattern == "*.*" || pattern == "*") return true;
  const char* p = pattern.GetString();
  const char* n = name.GetString();
  return Match(p, p + pattern.GetLength(), n, n + name.GetLength());
}

}  // namespace afx
