// CDrawingMultiFolderBuff: the destination folders of the multi-folder batch setting dialog,
// in the order they were added. It owns them. Each knows the entry of its parent directory
// when that directory is one of them too.
#pragma once

#include "dialogs/CDrawingMultiFolder.h"

class CEnvironObj;

class CDrawingMultiFolderBuff : public TVector<CDrawingMultiFolder*> {
 public:
  explicit CDrawingMultiFolderBuff(const CEnvironObj* env) : env_(env) {}
  CDrawingMultiFolderBuff(const CDrawingMultiFolderBuff&) = delete;
  CDrawingMultiFolderBuff& operator=(const CDrawingMultiFolderBuff&) = delete;
  virtual ~CDrawingMultiFolderBuff();

  // The entry of path (letters of either case alike), or -1. When there is none, *parent is
  // set to the entry of path's parent directory if there is one, and left as it is otherwise.
  int FindMultiFolder(const CString& path, int* parent) const;
  // The entry of path: the one there is, or a new one for target under its parent's entry.
  int AddMultiFolder(const CString& path, CDrawingFolder* target);

 private:
  // The last entry whose path is path, letters of either case alike, or -1.
  int FindLast(const CString& path) const;

  const CEnvironObj* env_;
};
