#include "register/CDrawingFolder.h"

#include <cerrno>
#include <memory>

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolderInfo.h"
#include "register/FolderPath.h"
#include "register/OwnedItems.h"
#include "register/SubDirectories.h"

namespace {

constexpr int kStep = 8;

// Takes the folder named exactly name out of folders (leaving a null behind); null if none.
CDrawingFolder* TakeExact(TVector<CDrawingFolder*>& folders, const CString& name) {
  for (int i = 0; i < folders.GetCnt(); ++i) {
    if (folders[i] && folders[i]->Name() == name) {
      CDrawingFolder* folder = folders[i];
      folders[i] = nullptr;
      return folder;
    }
  }
  return nullptr;
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

CString FolderPathOf(const CDrawingFolder& folder, const CEnvironObj& env) {
  return folder.GetFolderPath(env);
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
  return owned::FindName(*folders_, name, [](const CDrawingFolder& f) { return f.name_; });
}

void CDrawingFolder::DeleteFolderALL() {
  owned::DeleteAll(*folders_);
}

CDrawingFile* CDrawingFolder::AddFile(const CDrawingFile& file) {
  return owned::AppendNew(*files_, [&] { return Adopted(file.Clone()); });
}

int CDrawingFolder::RemoveFile(int i) {
  return owned::RemoveAt(*files_, i);
}

int CDrawingFolder::FindFile(const CString& name, int kind) const {
  return owned::FindName(*files_, name, [kind](const CDrawingFile& f) { return f.Name(kind); });
}

void CDrawingFolder::DeleteFileALL() {
  owned::DeleteAll(*files_);
}

int CDrawingFolder::LoadSubFolders(const CEnvironObj& env, const CString& path) {
  DeleteFileALL();
  // A folder still on disk keeps its object: a lock this process holds on it stays held, and
  // the host's pointer to it stays good. Only folders gone from disk are dropped.
  // Whatever way out, the folders gone from disk are dropped.
  const auto drop = [](TVector<CDrawingFolder*>* folders) {
    owned::DeleteAll(*folders);
    delete folders;
  };
  std::unique_ptr<TVector<CDrawingFolder*>, decltype(drop)> before(folders_, drop);
  folders_ = new TVector<CDrawingFolder*>(kStep);
  ForEachSubDirectory(env, path, [&](const CString& name, const CString& full) {
    CDrawingFolder* folder = TakeExact(*before, name);
    if (folder) {
      folders_->Append(folder);
    } else {
      // Built in place rather than cloned from a temporary: the same tree without copying
      // every level again on the way up.
      folder = owned::AppendNew(*folders_, [&] { return Adopted(new CDrawingFolder); });
      folder->name_ = name;
    }
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
  // Only a file certainly gone (or a folder in its place) loses its record; a failure to
  // look, such as a read error or a stale network handle, fails the whole load instead.
  const afx::PathLook look = afx::LookAt(path);
  // A name too long for this system cannot be there either.
  if (look.error == ENOENT || look.error == ENAMETOOLONG || (look.error == 0 && look.isDirectory)) {
    return nullptr;
  }
  // A name this system cannot spell exactly (written by a Windows user's copy) is kept: it
  // may well name a file that is there.
  if (look.error != 0 && look.error != EILSEQ)
    throw CFileException(CFileException::hardIO, look.error, path);
  // A record read from the register composes its name by the register's edition.
  CDrawingFile* added = AddFile(file);
  added->Naming(env.GetNaming());
  return added;
}
