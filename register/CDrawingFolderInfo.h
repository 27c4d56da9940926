// CDrawingFolderInfo: the folder information file of one drawing folder. The file object is
// open, with exclusive sharing, exactly while the folder holds its edit lock.
#pragma once

#include "framework/CStdioFile.h"

class CDrawingFolderInfo {
 public:
  CDrawingFolderInfo() = default;
  CDrawingFolderInfo(const CDrawingFolderInfo&) = delete;
  CDrawingFolderInfo& operator=(const CDrawingFolderInfo&) = delete;
  virtual ~CDrawingFolderInfo() = default;

  CStdioFile& File() { return file_; }
  const CStdioFile& File() const { return file_; }

 private:
  CStdioFile file_;
};
