#include "register/CDrawingFolder.h"

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolderInfo.h"
#include "register/SubDirectories.h"

namespace {

constexpr int kStep = 8;

template <typename T>
void DeleteAll(TVector<T*>& items) {
  for (int i = 0; i < items.GetCnt(); ++i)
    delete items[i];
  items.Resize(0);
}

template <typename T>
int RemoveAt(TVector<T*>& items, int i) {
  if (i < 0 || i >= items.GetCnt()) return 0;
  delete items[i];
  items.Erase(i, i + 1);
  return 1;
}

}  // namespace

CDrawingFolder::CDrawingFolder()
    : folders_(new TVector<CDrawingFolder*>(kStep)),
      files_(new TVector<CDrawingFile*>(kStep)),
      info_(new CDrawingFolderInfo) {}

CDrawingFolder::CDrawingFolder(const CDrawingFolder& src) : CDrawingFolder() {
  *this = src;
}

CDrawingFolder& CDrawingFolder::operator=(const CDrawingFolder& src) {
  if (this == &src) return *this;
  name_ = src.name_;
  DeleteFileALL();
  for (int i = 0; i < src.GetFileCount(); ++i)
    AddFile(*src.GetFile(i));
  DeleteFolderALL();
  for (int i = 0; i < src.GetFolderCount(); ++i)
    AddFolder(*src.GetFolder(i));
  return *this;
}

CDrawingFolder::~CDrawingFolder() {
  DeleteFolderALL();
  DeleteFileALL();
  UnLockFolder();
  delete info_;
  delete files_;
  delete folders_;
}

CDrawingFolder* CDrawingFolder::Clone() const {
  return new CDrawingFolder(*this);
}

CString CDrawingFolder::GetFolderPath(const CEnvironObj& env) const {
  CString path = parent_ ? parent_->GetFolderPath(env) : env.GetPath(CEnvironObj::kDrawingRoot);
  env.AddFileName(path, name_);
  return path;
}

CString CDrawingFile::GetFilePath(const CEnvironObj& env, int full) const {
  const CString name = Name(full);
  if (!parent_) return name;
  CString path = parent_->GetFolderPath(env);
  env.AddFileName(path, name);
  return path;
}

int CDrawingFolder::Name(const CString& name) {
  name_ = name;
  return 1;
}

CDrawingFolder* CDrawingFolder::AddFolder(const CDrawingFolder& folder) {
  CDrawingFolder* copy = folder.Clone();
  copy->SetParentFolder(this);
  folders_->Append(copy);
  return copy;
}

int CDrawingFolder::RemoveFolder(int i) {
  return RemoveAt(*folders_, i);
}

int CDrawingFolder::FindFolder(const CString& name) const {
  for (int i = 0; i < folders_->GetCnt(); ++i) {
    if ((*folders_)[i]->name_.CompareNoCase(name) == 0) return i;
  }
  return -1;
}

void CDrawingFolder::DeleteFolderALL() {
  DeleteAll(*folders_);
}

CDrawingFile* CDrawingFolder::AddFile(const CDrawingFile& file) {
  CDrawingFile* copy = file.Clone();
  copy->SetParentFolder(this);
  files_->Append(copy);
  return copy;
}

int CDrawingFolder::RemoveFile(int i) {
  return RemoveAt(*files_, i);
}

int CDrawingFolder::FindFile(const CString& name, int kind) const {
  for (int i = 0; i < files_->GetCnt(); ++i) {
    if ((*files_)[i]->Name(kind).CompareNoCase(name) == 0) return i;
  }
  return -1;
}

void CDrawingFolder::DeleteFileALL() {
  DeleteAll(*files_);
}

int CDrawingFolder::LoadSubFolders(const CEnvironObj& env, const CString& path) {
  DeleteFileALL();
  DeleteFolderALL();
  ForEachSubDirectory(env, path, [&](const CString& name, const CString& full) {
    // Built in place rather than cloned from a temporary: the same tree without copying
    // every level again on the way up.
    CDrawingFolder* folder = new CDrawingFolder;
    folder->name_ = name;
    folder->SetParentFolder(this);
    folders_->Append(folder);
    folder->LoadSubFolders(env, full);
  });
  return 1;
}

CString CDrawingFolder::InfoFilePath(const CEnvironObj& env) const {
  CString path = GetFolderPath(env);
  env.AddFileName(path, kInfoFileName);
  return path;
}

CDrawingFile* CDrawingFolder::AddLoadFile(const CEnvironObj& env, const CDrawingFile& file) {
  // A record may only name a file of this folder: never a path that leads elsewhere, and
  // never the information file itself.
  const CString name = file.Name(1);
  if (!afx::IsPlainFileName(name) || name.CompareNoCase(kInfoFileName) == 0) return nullptr;
  CString path = GetFolderPath(env);
  env.AddFileName(path, name);
  if (env.IsExist(path) != 0) return nullptr;
  return AddFile(file);
}
