// Paths of a folder tree registration: the part of a path below a root, its components, and
// a key under which paths that differ only in letter case meet.
#pragma once

#include <string>

#include "framework/CString.h"
#include "framework/CStringArray.h"

namespace registration {

// The part of path after root and its separator ("" when path is root).
CString RelativePath(const CString& root, const CString& path);
// Whether path lies below root: root, one separator, then plain names only (no "." or "..").
bool LiesBelow(const CString& root, const CString& path);
// Appends the components of a relative path to names.
void SplitPath(const CString& relative, CStringArray& names);
// path with its ASCII letters in upper case, as bytes.
std::string FoldedKey(const CString& path);
// root without trailing separators (the file system's root stays "/").
CString WithoutTrailingSeparator(const CString& root);

}  // namespace registration
