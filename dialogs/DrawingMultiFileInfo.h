// DrawingMultiFileInfo: one drawing file of the multi-folder batch setting dialog, with the
// register folder it goes into.
#pragma once

#include "framework/CString.h"

class CDrawingFile;
class CDrawingFolder;

struct DrawingMultiFileInfo {
  DrawingMultiFileInfo() = default;
  explicit DrawingMultiFileInfo(const CString& path) : folderPath(path) {}
  DrawingMultiFileInfo(const CString& path, CDrawingFolder* target, CDrawingFile* record)
      : folderPath(path), folder(target), file(record) {}

  CString folderPath;                // full path of the destination folder
  CDrawingFolder* folder = nullptr;  // that folder when it is in the register yet
  CDrawingFile* file = nullptr;      // the caller's record to edit; not owned
};
