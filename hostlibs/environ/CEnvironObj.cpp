#include "hostlibs/environ/CEnvironObj.h"

#include "framework/FileSystem.h"

void CEnvironObj::SetPath(unsigned long id, const CString& path) {
  CString p = path;
  while (p.GetLength() > 1 && p.ReverseFind(kPathSeparator) == p.GetLength() - 1) {
    p = p.Left(p.GetLength() - 1);
  }
  paths_[id] = p;
}

CString CEnvironObj::GetPath(unsigned long id) const {
  const auto it = paths_.find(id);
  return it == paths_.end() ? CString() : it->second;
}

void CEnvironObj::AddFileName(CString& path, const CString& name) const {
  if (path.IsEmpty() || path.ReverseFind(kPathSeparator) != path.GetLength() - 1) {
    path += kPathSeparator;
  }
  path += name;
}

int CEnvironObj::IsExist(const CString& path) const {
  switch (afx::GetPathKind(path)) {
    case afx::PathKind::file:
      return 0;
    case afx::PathKind::directory:
      return 1;
    default:
      return -1;
  }
}

int CEnvironObj::CreateDir(const CString& path, int /*recursive*/) const {
  return afx::CreateDirectories(path) ? 1 : 0;
}

CString CEnvironObj::GetFileNameFromRelativePath(const CString& path) const {
  return path.Mid(path.ReverseFind(kPathSeparator) + 1);
}

CString CEnvironObj::GetDirNameFromRelativePath(const CString& path) const {
  const int at = path.ReverseFind(kPathSeparator);
  return at < 0 ? CString() : path.Left(at);
}

CString CEnvironObj::GetBaseNameFromFileName(const CString& name) const {
  const int at = name.ReverseFind('.');
  return at < 0 ? name : name.Left(at);
}

CString CEnvironObj::GetExtNameFromFileName(const CString& name) const {
  const int at = name.ReverseFind('.');
  return at < 0 ? CString() : name.Mid(at);
}
