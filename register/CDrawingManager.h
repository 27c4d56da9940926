// CDrawingManager: the host's entry to the drawing register. Bound to an environment, it
// loads the tree of drawing folders below the drawing root and finds folders and registered
// files by their full paths.
#pragma once

#include "framework/CString.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"

class CDrawingManagerInfo;
class CEnvironObj;

class CDrawingManager {
 public:
  CDrawingManager();
  CDrawingManager(const CDrawingManager&) = delete;
  CDrawingManager& operator=(const CDrawingManager&) = delete;
  virtual ~CDrawingManager();

  // Keeps a pointer: the environment must outlive the manager's use of it.
  void SetEnvObj(const CEnvironObj& env);
  const CEnvironObj* GetEnvObj() const;
  static CString GetRootPath(const CEnvironObj& env);

  // Rebuilds the folder tree from the directories below the drawing root; always 1.
  int LoadFolders();

  int GetFolderCount() const;
  CDrawingFolder* GetFolder(int i);
  const CDrawingFolder* GetFolder(int i) const;
  CDrawingFolder* AddFolder(const CDrawingFolder& folder);
  int RemoveFolder(int i);
  void DeleteFolderALL();

  // The folder whose full path is path, or null; works on the tree in memory.
  CDrawingFolder* FindFolder(const CString& path);
  const CDrawingFolder* FindFolder(const CString& path) const;
  // The loaded record whose full path is path, or null.
  CDrawingFile* FindFile(const CString& path);
  const CDrawingFile* FindFile(const CString& path) const;

 private:
  const CEnvironObj& Env() const;

  CDrawingManagerInfo* info_;
};
