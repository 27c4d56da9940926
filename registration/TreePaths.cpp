#include "registration/TreePaths.h"

#include "framework/FileSystem.h"

namespace registration {

namespace {

bool EndsWithSeparator(const CString& path) {
  return !path.IsEmpty() && path[path.GetLength() - 1] == kPathSeparator;
}

}  // namespace

CString RelativePath(const CString& root, const CString& path) {
  const int skip = root.GetLength() + (EndsWithSeparator(root) ? 0 : 1);
  return skip >= path.GetLength() ? CString() : path.Mid(skip);
}

bool LiesBelow(const CString& root, const CString& path) {
  const int n = root.GetLength();
  if (path.GetLength() <= n + 1 || path.Left(n) != root) return false;
  if (!EndsWithSeparator(root) && path[n] != kPathSeparator) return false;
  CStringArray names;
  SplitPath(RelativePath(root, path), names);
  for (int i = 0; i < names.GetSize(); ++i)
    if (!afx::IsPlainFileName(names[i])) return false;
  return names.GetSize() > 0;
}

void SplitPath(const CString& relative, CStringArray& names) {
  int start = 0;
  for (int at; (at = relative.Find(kPathSeparator, start)) >= 0; start = at + 1)
    names.Add(relative.Mid(start, at - start));
  names.Add(relative.Mid(start));
}

std::string FoldedKey(const CString& path) {
  CString folded = path;
  folded.MakeUpper();
  return folded.Bytes();
}

CString WithoutTrailingSeparator(const CString& root) {
  CString path = root;
  while (path.GetLength() > 1 && EndsWithSeparator(path))
    path = path.Left(path.GetLength() - 1);
  return path;
}

}  // namespace registration
