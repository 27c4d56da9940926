#include "register/CDrawingFolder.h"

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolderInfo.h"
#include "register/OwnedItems.h"
#include "register/SubDirectories.h"

namespace {

constexpr int kStep = 8;

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
  return owned::AppendNew(*folders_, [&] { return Adopted(folder.Clone()); });
}

int CDrawingFolder::RemoveFolder(int i) {
  return owned::RemoveAt(*folders_, i);
}

int CDrawingFolder::FindFolder(const CString& name) const {
  for (int i = 0; i < folders_->GetCnt(); ++i) {
    if ((*folders_)[i]->name_.CompareNoCase(name) == 0) return i;
  }
  return -1;
}

void CDrawingFolder::DeleteFolderALL() {
  owned::DeleteAll(*folders_);
}

namespace {

// The bytes a record takes in the information file: its line and the CR LF.
ULONGLONG InfoLineBytes(const CDrawingFile& record) {
  return record.LineLength() + 2;
}

}  // namespace

CDrawingFile* CDrawingFolder::AddFile(const CDrawingFile& file) {
  CDrawingFile* record = owned::AppendNew(*files_, [&] { return Adopted(file.Clone()); });
  recordBytes_ += InfoLineBytes(*record);
  return record;
}

int CDrawingFolder::RemoveFile(int i) {
  if (i >= 0 && i < files_->GetCnt()) recordBytes_ -= InfoLineBytes(*(*files_)[i]);
  return owned::RemoveAt(*files_, i);
}

int CDrawingFolder::FindFile(const CString& name, int kind) const {
  for (int i = 0; i < files_->GetCnt(); ++i) {
    if ((*files_)[i]->Name(kind).CompareNoCase(name) == 0) return i;
  }
  return -1;
}

void CDrawingFolder::DeleteFileALL() {
  owned::DeleteAll(*files_);
  recordBytes_ = 0;
}

int CDrawingFolder::LoadSubFolders(const CEnvironObj& env, const CString& path) {
  DeleteFileALL();
  DeleteFolderALL();
  ForEachSubDirectory(env, path, [&](const CString& name, const CString& full) {
    // Built in place rather than cloned from a temporary: the same tree without copying
    // every level again on the way up.
    CDrawingFolder* folder =
        owned::AppendNew(*folders_, [&] { return Adopted(new CDrawingFolder); });
    folder->name_ = name;
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
