// DrawingTreeFileInfo: one source file found below the selection of a folder tree
// registration, with where it goes in the register and the companions that travel with it.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"

class CDrawingFolder;

struct DrawingTreeFileInfo {
  CString srcPath;                   // full path of the source file
  CString dstPath;                   // full path it will have below the destination folder
  CDrawingFolder* folder = nullptr;  // its register folder, null while not in the register
  CStringArray companions;           // names relative to its source folder
};
