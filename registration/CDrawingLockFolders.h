// CDrawingLockFolders: the lock set of a folder tree registration. It finds (or makes) the
// register folder of each file to register, takes and keeps each folder's edit lock once, and
// releases the locks it took, in the order it took them, when it goes: a folder that this
// process had locked before is used but stays locked.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/FileProblem.h"
#include "register/TVector.h"
#include "registration/DrawingTreeFileInfo.h"

class CDrawingFolder;
class CDrawingManager;
class CEnvironObj;
class CWnd;

class CDrawingLockFolders {
 public:
  CDrawingLockFolders(CDrawingManager* manager, const CString& srcRoot, const CString& dstRoot);
  CDrawingLockFolders(const CDrawingLockFolders&) = delete;
  CDrawingLockFolders& operator=(const CDrawingLockFolders&) = delete;
  virtual ~CDrawingLockFolders();

  // Sets entry.dstPath and, when its folder is in the register, locks and reloads that folder
  // and sets entry.folder. 0 when the user gave up waiting for another user, or the folder
  // could not be locked or its records not all read (the message shown).
  int LockEntryFolder(DrawingTreeFileInfo& entry, CWnd* parent);
  // Makes the entry's missing folder in the register and on disk below dstFolderObj, locks it
  // and gives it to every entry of entries that goes into the same folder. 0 as above, or
  // when the folder could not be made (the message shown).
  int CreateEntryFolder(DrawingTreeFileInfo& entry, TVector<DrawingTreeFileInfo>& entries,
                        CDrawingFolder* dstFolderObj, CWnd* parent);
  void UnLockAll();

  // The folders this set locked, in locking order.
  const TVector<CDrawingFolder*>& Folders() const { return folders; }
  // Why the last 0 was given, where a file or folder was at fault.
  const afx::FileProblem& GetLastProblem() const { return problem_; }

 private:
  int Use(DrawingTreeFileInfo& entry, CDrawingFolder& folder, CWnd* parent);
  int Take(CDrawingFolder& folder, CWnd* parent);
  bool Holds(const CDrawingFolder* folder) const;
  CStringArray RelativeNames(const CString& dir) const;
  int MakeOnDisk(const CStringArray& names, CWnd* parent);
  void GiveFolder(const CString& dir, TVector<DrawingTreeFileInfo>& entries,
                  CDrawingFolder& folder);

  CDrawingManager* manager;
  CString srcRoot;
  CString dstRoot;
  const CEnvironObj* env;
  TVector<CDrawingFolder*> folders;
  // Folders this process had locked before the set met them: used, never unlocked here.
  std::vector<CDrawingFolder*> borrowed_;
  afx::FileProblem problem_;
  // The entries still without a folder, by their destination directory folded to upper case:
  // a folder made for one entry is given to the others without a walk over every entry.
  std::unordered_map<std::string, std::vector<int>> waiting_;
  bool waitingKnown_ = false;
};
