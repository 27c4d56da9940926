#include "registration/CDrawingLockFolders.h"

#include <cerrno>

#include "framework/SourceFolders.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"
#include "registration/EntrySteps.h"
#include "registration/Messages.h"
#include "registration/RegistrationLock.h"
#include "registration/TreePaths.h"

using namespace registration;

CDrawingLockFolders::CDrawingLockFolders(CDrawingManager* manager, const CString& srcRoot,
                                         const CString& dstRoot)
    : manager(manager), srcRoot(srcRoot), dstRoot(dstRoot), env(manager->GetEnvObj()) {}

CDrawingLockFolders::~CDrawingLockFolders() {
  UnLockAll();
}

void CDrawingLockFolders::UnLockAll() {
  for (int i = 0; i < folders.GetCnt(); ++i)
    folders[i]->UnLockFolder();
  folders.Resize(0);
}

int CDrawingLockFolders::LockEntryFolder(DrawingTreeFileInfo& entry, CWnd* parent) {
  entry.dstPath = dstRoot;
  env->AddFileName(entry.dstPath, RelativePath(srcRoot, entry.srcPath));
  CDrawingFolder* folder = manager->FindFolder(env->GetDirNameFromRelativePath(entry.dstPath));
  if (!folder) return 1;  // made when its files are copied
  return Use(entry, *folder, parent);
}

bool CDrawingLockFolders::Holds(const CDrawingFolder* folder) const {
  for (int i = folders.GetCnt() - 1; i >= 0; --i)
    if (folders[i] == folder) return true;
  for (const CDrawingFolder* known : borrowed_)
    if (known == folder) return true;
  return false;
}

int CDrawingLockFolders::Use(DrawingTreeFileInfo& entry, CDrawingFolder& folder, CWnd* parent) {
  if (!Holds(&folder) && !Take(folder, parent)) return 0;
  entry.folder = &folder;
  // The file goes into the directory of the folder that will record it, however the source
  // spelled the folder's name.
  const CString name = env->GetFileNameFromRelativePath(entry.dstPath);
  entry.dstPath = folder.GetFolderPath(*env);
  env->AddFileName(entry.dstPath, name);
  return 1;
}

int CDrawingLockFolders::Take(CDrawingFolder& folder, CWnd* parent) {
  if (folder.IsLockFolder()) {
    // Locked by this process before the call: used, reloaded, and left locked.
    borrowed_.push_back(&folder);
  } else {
    if (!AcquireFolderLock(folder, *env, parent)) {
      problem_ = folder.GetLastProblem();
      return 0;
    }
    folders.Append(&folder);
  }
  return LoadLockedFolder(folder, *env, problem_, parent);
}

CStringArray CDrawingLockFolders::RelativeNames(const CString& dir) const {
  CStringArray names;
  if (dir.GetLength() <= dstRoot.GetLength()) return names;
  SplitPath(RelativePath(dstRoot, dir), names);
  return names;
}

int CDrawingLockFolders::CreateEntryFolder(DrawingTreeFileInfo& entry,
                                           TVector<DrawingTreeFileInfo>& entries,
                                           CDrawingFolder* dstFolderObj, CWnd* parent) {
  const CString dir = env->GetDirNameFromRelativePath(entry.dstPath);
  const CStringArray wanted = RelativeNames(dir);
  CStringArray names;  // as the register spells them
  CDrawingFolder* at = dstFolderObj;
  for (int i = 0; i < wanted.GetSize(); ++i) {
    const int found = at->FindFolder(wanted[i]);
    if (found >= 0) {
      at = at->GetFolder(found);
    } else {
      CDrawingFolder node;
      node.Name(wanted[i]);
      at = at->AddFolder(node);
    }
    names.Add(at->Name());
  }
  if (!MakeOnDisk(names, parent) || !Take(*at, parent)) return 0;
  GiveFolder(dir, entries, *at);
  if (!entry.folder) Use(entry, *at, parent);
  return 1;
}

int CDrawingLockFolders::MakeOnDisk(const CStringArray& names, CWnd* parent) {
  if (afx::CreateFoldersBelow(dstRoot, names)) return 1;
  const int error = errno;
  CString path = dstRoot;
  for (int i = 0; i < names.GetSize(); ++i)
    env->AddFileName(path, names[i]);
  afx::FileFault fault = afx::FileFault::writeError;
  // Something other than a folder stands in the way: a file, or a link that would lead the
  // copies out of the destination.
  if (error == ELOOP || error == ENOTDIR) fault = afx::FileFault::notRegular;
  if (error == EACCES || error == EPERM || error == EROFS) fault = afx::FileFault::accessDenied;
  return Refuse(problem_, {fault, error, path}, parent, MessageFor(fault));
}

void CDrawingLockFolders::GiveFolder(const CString& dir, TVector<DrawingTreeFileInfo>& entries,
                                     CDrawingFolder& folder) {
  if (!waitingKnown_) {
    for (int i = 0; i < entries.GetCnt(); ++i) {
      if (entries[i].folder) continue;
      waiting_[FoldedKey(env->GetDirNameFromRelativePath(entries[i].dstPath))].push_back(i);
    }
    waitingKnown_ = true;
  }
  const auto found = waiting_.find(FoldedKey(dir));
  if (found == waiting_.end()) return;
  for (const int i : found->second) {
    if (i < entries.GetCnt() && !entries[i].folder) Use(entries[i], folder, nullptr);
  }
  waiting_.erase(found);
}
