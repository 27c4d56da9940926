// The operating system's file system, seen with code page 932 paths. Every call converts the
// path to UTF-8 at this boundary, and names read back are converted to code page 932.
#pragma once

#include <functional>

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/Types.h"

// The platform's path separator inside library paths.
constexpr char kPathSeparator = '/';

struct CFileStatus {
  ULONGLONG m_size = 0;
  ULONGLONG m_mtime = 0;  // modification time in nanoseconds since the epoch
  bool m_isDirectory = false;
};

namespace afx {

enum class PathKind { missing, file, directory };

PathKind GetPathKind(const CString& path);

// What lies at path itself, a symbolic link not followed. error is 0 when the system could
// tell, ENOENT (or ENOTDIR) when nothing is there, and any other errno when it could not look:
// a read error or a stale network handle says nothing about whether the file is there.
struct PathLook {
  int error = 0;
  bool isRegular = false;
  bool isDirectory = false;
  bool isLink = false;
};
PathLook LookAt(const CString& path, bool follow_link = false);
bool GetFileStatus(const CString& path, CFileStatus& status);
// Creates the directory and every missing one above it; true when it exists afterwards.
bool CreateDirectories(const CString& path);
bool RemoveFile(const CString& path);
bool RemoveDirectory(const CString& path);

// Names in a directory (no "." or ".."), converted to code page 932; names that the code
// page cannot hold are left out. Returns false when the directory cannot be read.
// A symbolic link is never a directory here, wherever it points: following links would let a
// loop run for ever and a link lead writes outside the tree.
struct DirEntry {
  CString name;
  bool isDirectory = false;
  bool isLink = false;
};
bool ListDirectory(const CString& dir, const std::function<void(const DirEntry&)>& visit);

// Whether name is one plain path component: not empty, not "." or "..", without a path
// separator of this system or of Windows, and without a NUL byte. Only such a name can be
// joined to a folder without leading out of it.
bool IsPlainFileName(const CString& name);

// Whether name holds a control character (below 0x20, or DEL). In code page 932 no byte of
// these is ever the second byte of a character. Such a name would break the information
// file's lines and a terminal's display.
bool HasControlCharacter(const CString& name);

// Matches a file name against a pattern of '*' and '?', ignoring the case of ASCII letters
// and walking whole characters. "*.*" matches every name, as on Windows.
bool MatchFileName(const CString& pattern, const CString& name);

// The name prefix of the temporary file a copy writes beside its destination. One found in a
// folder whose lock is held was left by a copy that was killed.
inline constexpr const char* kCopyTempPrefix = ".drawreg-copy-";

}  // namespace afx

// Copies src to dst, keeping the modification time. With fail_if_exists an existing dst is
// left alone and the copy fails. The destination appears whole or not at all.
// Only a regular source is copied (a FIFO is refused, never waited on). On failure errno
// tells why.
BOOL CopyFileA(const char* src, const char* dst, BOOL fail_if_exists);
