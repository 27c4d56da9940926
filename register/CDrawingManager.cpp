#include "register/CDrawingManager.h"

#include <utility>

#include "framework/CStringArray.h"
#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingManagerInfo.h"
#include "register/OwnedItems.h"
#include "register/SubDirectories.h"

CDrawingManager::CDrawingManager() : info_(new CDrawingManagerInfo) {}

CDrawingManager::~CDrawingManager() {
  delete info_;
}

void CDrawingManager::SetEnvObj(const CEnvironObj& env) {
  info_->env = &env;
}

const CEnvironObj* CDrawingManager::GetEnvObj() const {
  return info_->env;
}

const afx::FileProblem& CDrawingManager::GetLastProblem() const {
  return info_->problem;
}

void CDrawingManager::SetEntryProgress(EntryProgressReport report) {
  info_->progress = std::move(report);
}

const CEnvironObj& CDrawingManager::Env() const {
  return *info_->env;
}

CString CDrawingManager::GetRootPath(const CEnvironObj& env) {
  return env.GetPath(CEnvironObj::kDrawingRoot);
}

int CDrawingManager::LoadFolders() {
  DeleteFolderALL();
  ForEachSubDirectory(Env(), GetRootPath(Env()), [&](const CString& name, const CString& full) {
    CDrawingFolder* folder = owned::AppendNew(*info_->folders_, [] { return new CDrawingFolder; });
    folder->Name(name);
    folder->LoadSubFolders(Env(), full);
  });
  return 1;
}

int CDrawingManager::GetFolderCount() const {
  return info_->folders_->GetCnt();
}

CDrawingFolder* CDrawingManager::GetFolder(int i) {
  return (*info_->folders_)[i];
}

const CDrawingFolder* CDrawingManager::GetFolder(int i) const {
  return (*info_->folders_)[i];
}

CDrawingFolder* CDrawingManager::AddFolder(const CDrawingFolder& folder) {
  return owned::AppendNew(*info_->folders_, [&] { return folder.Clone(); });
}

int CDrawingManager::RemoveFolder(int i) {
  return owned::RemoveAt(*info_->folders_, i);
}

void CDrawingManager::DeleteFolderALL() {
  owned::DeleteAll(*info_->folders_);
}

const CDrawingFolder* CDrawingManager::FindFolder(const CString& path) const {
  const CEnvironObj& env = Env();
  const CString root = GetRootPath(env);
  const int n = root.GetLength();
  if (path.GetLength() < n + 2) return nullptr;
  if (path.Left(n).CompareNoCase(root) != 0 || path[n] != kPathSeparator) return nullptr;
  CStringArray components;
  for (CString rest = path.Mid(n + 1); !rest.IsEmpty();
       rest = env.GetDirNameFromRelativePath(rest)) {
    components.InsertAt(0, env.GetFileNameFromRelativePath(rest));
  }
  const CDrawingFolder* folder = nullptr;
  for (int i = 0; i < components.GetSize(); ++i) {
    if (!folder) {
      const int found = owned::FindName(*info_->folders_, components[i],
                                        [](const CDrawingFolder& f) { return f.Name(); });
      if (found < 0) return nullptr;
      folder = GetFolder(found);
    } else {
      const int found = folder->FindFolder(components[i]);
      if (found < 0) return nullptr;
      folder = folder->GetFolder(found);
    }
  }
  return folder;
}

CDrawingFolder* CDrawingManager::FindFolder(const CString& path) {
  return const_cast<CDrawingFolder*>(std::as_const(*this).FindFolder(path));
}

const CDrawingFile* CDrawingManager::FindFile(const CString& path) const {
  const CEnvironObj& env = Env();
  const CDrawingFolder* folder = FindFolder(env.GetDirNameFromRelativePath(path));
  if (!folder) return nullptr;
  const int i = folder->FindFile(env.GetFileNameFromRelativePath(path), 1);
  return i < 0 ? nullptr : folder->GetFile(i);
}

CDrawingFile* CDrawingManager::FindFile(const CString& path) {
  return const_cast<CDrawingFile*>(std::as_const(*this).FindFile(path));
}
