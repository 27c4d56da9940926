#include "framework/InPlaceRewrite.h"

#include "framework/SystemCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace afx {

namespace {

constexpr std::string_view kMagic = "DRAWREG JOURNAL 1\n";
// Magic, then old length, new length, old checksum, new checksum, header checksum.
constexpr size_t kHeaderSize = kMagic.size() + 5 * 8;

std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ULL;
  }
  return h;
}

void PutU64(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetU64(const char* p) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

[[noreturn]] void Throw(int error, const CString& path) {
  throw CFileException(CFileException::CauseFromErrno(error), error, path);
}

std::string OsPath(const CString& path) {
  std::string os;
  if (!TryToUtf8(path, os)) Throw(EILSEQ, path);
  return os;
}

// The whole contents of an open file, read without moving its offset.
std::string ReadAll(int fd, const CString& path) {
  struct stat st;
  if (::fstat(fd, &st) != 0) Throw(errno, path);
  std::string bytes(static_cast<size_t>(st.st_size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        Sys().pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Throw(errno, path);
    if (n == 0) break;  // shrank meanwhile: what is there is what counts
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

void WriteAll(int fd, std::string_view bytes, const CString& path) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        Sys().pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Throw(errno, path);
    if (n == 0) Throw(ENOSPC, path);
    done += static_cast<size_t>(n);
  }
}

// Writes bytes over the file from its start, cuts it there and makes it durable.
void Overwrite(int fd, std::string_view bytes, const CString& path) {
  WriteAll(fd, bytes, path);
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) Throw(errno, path);
  if (::fsync(fd) != 0) Throw(errno, path);
}

// The journal's name must reach the disk before the rewrite it guards begins.
void SyncFolderOf(const std::string& os_path) {
  const size_t cut = os_path.rfind('/');
  const std::string dir = cut == std::string::npos ? "." : os_path.substr(0, cut == 0 ? 1 : cut);
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // some file systems cannot sync a folder; the journal was synced itself
  ::close(fd);
}

std::string JournalBytes(std::string_view old_bytes, std::string_view new_bytes) {
  std::string j;
  j.reserve(kHeaderSize + old_bytes.size() + new_bytes.size());
  j.append(kMagic);
  PutU64(j, old_bytes.size());
  PutU64(j, new_bytes.size());
  PutU64(j, Checksum(old_bytes));
  PutU64(j, Checksum(new_bytes));
  PutU64(j, Checksum(j));
  j.append(old_bytes);
  j.append(new_bytes);
  return j;
}

void WriteJournal(const CString& path, mode_t mode, std::string_view bytes) {
  const std::string os = OsPath(path);
  ::unlink(os.c_str());  // one left over was set aside or finished when the lock was taken
  const int fd = ::open(os.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0) Throw(errno, path);
  try {
    WriteAll(fd, bytes, path);
    if (::fsync(fd) != 0) Throw(errno, path);
  } catch (const CFileException&) {
    ::close(fd);
    ::unlink(os.c_str());
    throw;
  }
  ::close(fd);
  SyncFolderOf(os);
}

struct Journal {
  std::string_view oldBytes;
  std::string_view newBytes;
};

// A journal is complete when its lengths add up and every checksum holds.
bool ParseJournal(std::string_view j, Journal& out) {
  if (j.size() < kHeaderSize || j.substr(0, kMagic.size()) != kMagic) return false;
  const char* h = j.data() + kMagic.size();
  const std::uint64_t old_len = GetU64(h), new_len = GetU64(h + 8);
  if (GetU64(h + 32) != Checksum(j.substr(0, kHeaderSize - 8))) return false;
  if (old_len > j.size() || new_len > j.size() || kHeaderSize + old_len + new_len != j.size()) {
    return false;
  }
  out.oldBytes = j.substr(kHeaderSize, old_len);
  out.newBytes = j.substr(kHeaderSize + old_len);
  return Checksum(out.oldBytes) == GetU64(h + 16) && Checksum(out.newBytes) == GetU64(h + 24);
}

// Whether the file holds what a rewrite from the old to the new contents can leave: the old
// contents, the new, or the new contents' beginning over the old contents' rest.
bool LeftByRewrite(std::string_view now, const Journal& j) {
  if (now == j.oldBytes || now == j.newBytes) return true;
  size_t k = 0;
  while (k < now.size() && k < j.newBytes.size() && now[k] == j.newBytes[k])
    ++k;
  if (k == now.size()) return now.size() >= j.oldBytes.size();  // a longer text cut short
  return now.size() == j.oldBytes.size() && now.substr(k) == j.oldBytes.substr(k);
}

void RenameOrThrow(const CString& from, const CString& to) {
  if (::rename(OsPath(from).c_str(), OsPath(to).c_str()) != 0) Throw(errno, from);
}

}  // namespace

CString JournalPath(const CString& path) {
  return path + ".journal";
}

CString StaleJournalPath(const CString& path) {
  return path + ".journal.stale";
}

void RewriteInPlace(CFile& file, std::string_view contents) {
  const CString path = file.GetFilePath();
  file.SeekToBegin();  // a buffered file hands its pending bytes to the system first
  const int fd = file.m_hFile;
  const std::string old_bytes = ReadAll(fd, path);
  if (old_bytes == contents) return;
  struct stat st;
  if (::fstat(fd, &st) != 0) Throw(errno, path);
  const CString journal = JournalPath(path);
  WriteJournal(journal, st.st_mode & 0666, JournalBytes(old_bytes, contents));
  try {
    // Room is taken first, so that a full disk stops the rewrite before its first byte. The
    // size stays: what the file holds meanwhile is still the old contents or their rewrite.
    if (contents.size() > old_bytes.size() &&
        ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(contents.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
      Throw(errno, path);
    }
    Overwrite(fd, contents, path);
  } catch (const CFileException&) {
    try {
      Overwrite(fd, old_bytes, path);
    } catch (const CFileException&) {
      throw;  // the journal stays: the next holder of the lock finishes the rewrite
    }
    ::unlink(OsPath(journal).c_str());
    throw;
  }
  ::unlink(OsPath(journal).c_str());
}

JournalOutcome RecoverJournal(CFile& file, ULONGLONG largest) {
  const CString path = file.GetFilePath();
  const CString journal = JournalPath(path);
  const PathLook look = LookAt(journal);
  if (look.error == ENOENT) return JournalOutcome::none;
  if (look.error != 0) Throw(look.error, journal);
  if (!look.isRegular) {
    RenameOrThrow(journal, StaleJournalPath(path));
    return JournalOutcome::setAside;
  }
  CFile in;
  CFileException error(CFileException::none, 0, CString());
  if (!in.Open(journal, CFile::modeRead | CFile::shareDenyNone, &error)) throw error;
  if (in.GetLength() > kHeaderSize + 2 * largest) {
    throw CFileException(CFileException::invalidFile, EFBIG, journal);
  }
  const std::string bytes = ReadAll(in.m_hFile, journal);
  in.Close();
  Journal j;
  if (!ParseJournal(bytes, j)) {
    // Its writer died before the journal was whole, so before the file was touched.
    if (::unlink(OsPath(journal).c_str()) != 0) Throw(errno, journal);
    return JournalOutcome::removed;
  }
  file.SeekToBegin();
  const std::string now = ReadAll(file.m_hFile, path);
  if (!LeftByRewrite(now, j)) {
    RenameOrThrow(journal, StaleJournalPath(path));
    return JournalOutcome::setAside;
  }
  if (now != j.newBytes) Overwrite(file.m_hFile, j.newBytes, path);
  ::unlink(OsPath(journal).c_str());
  return JournalOutcome::finished;
}

}  // namespace afx
