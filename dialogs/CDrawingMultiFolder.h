// CDrawingMultiFolder: one destination folder of the multi-folder batch setting dialog: the
// caller's records that go into it and the copies the grid edits while it is selected.
#pragma once

#include "framework/CString.h"
#include "register/TVector.h"

class CDrawingFile;
class CDrawingFolder;

class CDrawingMultiFolder {
 public:
  CDrawingMultiFolder(int parent, const CString& folderPath, CDrawingFolder* target)
      : parentIndex(parent), path(folderPath), targetFolder(target) {}
  CDrawingMultiFolder(const CDrawingMultiFolder&) = delete;
  CDrawingMultiFolder& operator=(const CDrawingMultiFolder&) = delete;
  // Deletes the copies.
  virtual ~CDrawingMultiFolder();

  // Adds a record and a copy of it for the grid.
  void AddRecord(CDrawingFile* record);

  int parentIndex;                 // the entry of the parent directory, or -1
  CString path;                    // the folder path as the rows give it
  CDrawingFolder* targetFolder;    // the register folder, or null when it is not there yet
  TVector<CDrawingFile*> records;  // the caller's, not owned
  TVector<CDrawingFile*> copies;   // owned, one per record in the same order
};
