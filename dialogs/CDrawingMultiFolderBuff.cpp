#include "dialogs/CDrawingMultiFolderBuff.h"

#include "hostlibs/environ/CEnvironObj.h"

CDrawingMultiFolderBuff::~CDrawingMultiFolderBuff() {
  for (int i = 0; i < GetCnt(); ++i)
    delete (*this)[i];
}

int CDrawingMultiFolderBuff::FindLast(const CString& path) const {
  for (int i = GetCnt() - 1; i >= 0; --i) {
    if ((*this)[i]->path.CompareNoCase(path) == 0) return i;
  }
  return -1;
}

int CDrawingMultiFolderBuff::FindMultiFolder(const CString& path, int* parent) const {
  const int found = FindLast(path);
  if (found >= 0) return found;
  const int above = FindLast(env_->GetDirNameFromRelativePath(path));
  if (above >= 0 && parent) *parent = above;
  return -1;
}

int CDrawingMultiFolderBuff::AddMultiFolder(const CString& path, CDrawingFolder* target) {
  int parent = -1;
  const int found = FindMultiFolder(path, &parent);
  if (found >= 0) return found;
  Append(new CDrawingMultiFolder(parent, path, target));
  return GetCnt() - 1;
}
