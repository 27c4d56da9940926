#include "host/RegisterSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "framework/CStdioFile.h"
#include "framework/FileSystem.h"
#include "host/Report.h"
#include "host/Text.h"

namespace host {

namespace {

constexpr const char* kNamingKey = "naming";

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The key of a "key = value" line; "" for a comment, a blank line or a line without '='.
std::string KeyOf(const std::string& line, std::string* value = nullptr) {
  const size_t eq = line.find('=');
  if (line.empty() || line[0] == '#' || eq == std::string::npos) return "";
  if (value) *value = Trim(line.substr(eq + 1));
  return Trim(line.substr(0, eq));
}

CString SettingsPath(const CString& root) {
  CString path = root;
  if (path.IsEmpty() || path.Bytes().back() != '/') path += "/";
  return path + kSettingsFileName;
}

std::string Describe(const CFileException& e) {
  if (e.m_cause == CFileException::notRegularFile) {
    return "not a regular file (a link, FIFO, device or directory is never read)";
  }
  return e.m_lOsError ? std::strerror(e.m_lOsError) : "cannot be opened";
}

// The file's lines; none when there is no file. Throws UsageError when it cannot be read.
std::vector<std::string> ReadLines(const CString& path) {
  CStdioFile file;
  CFileException error(CFileException::none, 0, path);
  // Without modeFollowLink the open refuses a link; a FIFO or device is never waited on.
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeText, &error)) {
    if (error.m_cause == CFileException::fileNotFound) return {};
    throw UsageError("settings file " + Printable(path) + ": " + Describe(error));
  }
  std::vector<std::string> lines;
  CString line;
  try {
    while (file.ReadString(line))
      lines.push_back(line.Bytes());  // UTF-8 as it stands
  } catch (const CFileException& e) {
    throw UsageError("settings file " + Printable(path) + ": " + std::strerror(e.m_lOsError));
  }
  return lines;
}

// Writes contents to a new file in dir and gives it name: the old file is replaced at once,
// never truncated first. false with errno on failure; the temporary file does not stay.
bool ReplaceFile(const std::string& dir, const std::string& name, const std::string& contents) {
  // The new file keeps the permissions of the one it replaces.
  struct stat old;
  const mode_t mode = ::lstat((dir + "/" + name).c_str(), &old) == 0 && S_ISREG(old.st_mode)
                          ? (old.st_mode & 07777)
                          : 0644;
  // Named as every temporary file of the program is, so that a check finds it left over.
  std::string temp = dir + "/" + afx::kCopyTempPrefix + name + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  size_t done = 0;
  bool ok = ::fchmod(fd, mode) == 0;
  while (ok && done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  // rename replaces the name itself: a link put there meanwhile is replaced, never followed.
  ok = ok && ::rename(temp.c_str(), (dir + "/" + name).c_str()) == 0;
  if (!ok) {
    const int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  // The new name reaches the disk with the directory; until then the change is not made.
  const int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd < 0) return false;
  const bool synced = ::fsync(dir_fd) == 0;
  const int saved = errno;
  ::close(dir_fd);
  errno = saved;
  return synced;
}

}  // namespace

std::optional<NamingEdition> ParseNamingEdition(const std::string& text) {
  if (text == "2004") return NamingEdition::k2004;
  if (text == "2017") return NamingEdition::k2017;
  return std::nullopt;
}

const char* NamingEditionText(NamingEdition edition) {
  return edition == NamingEdition::k2017 ? "2017" : "2004";
}

NamingEdition ReadNamingEdition(const CString& root) {
  const CString path = SettingsPath(root);
  NamingEdition edition = NamingEdition::k2004;
  const std::vector<std::string> lines = ReadLines(path);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string value;
    if (KeyOf(lines[i], &value) != kNamingKey) continue;
    const std::optional<NamingEdition> given = ParseNamingEdition(value);
    if (!given) {
      throw UsageError(Printable(path) + ":" + std::to_string(i + 1) + ": naming is '" +
                       Printable(value) + "'; it must be 2004 or 2017");
    }
    edition = *given;
  }
  return edition;
}

std::string WriteNamingEdition(const CString& root, NamingEdition edition) {
  const CString path = SettingsPath(root);
  std::string contents;
  bool written = false;
  for (const std::string& line : ReadLines(path)) {
    if (KeyOf(line) == kNamingKey) {
      if (written) continue;  // one naming line is enough
      contents += std::string(kNamingKey) + " = " + NamingEditionText(edition) + "\n";
      written = true;
    } else {
      contents += line + "\n";
    }
  }
  if (!written) {
    contents += std::string(kNamingKey) + " = " + NamingEditionText(edition) + "\n";
  }
  std::string dir;
  if (!afx::TryToUtf8(root, dir)) return Printable(root) + ": the name cannot be spelled here";
  if (!ReplaceFile(dir, kSettingsFileName, contents)) {
    return Printable(path) + ": cannot be written: " + SystemReason(errno);
  }
  return "";
}

}  // namespace host
