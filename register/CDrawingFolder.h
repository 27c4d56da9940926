// CDrawingFolder: one folder of the drawing register, a directory below the drawing root with
// its sub-folders and registered files. The files are listed in the folder information file
// "FOLDERINF.$$$" in the directory; holding that file open with exclusive sharing is the
// folder's edit lock, which keeps other users out while the list is read, changed and saved.
#pragma once

#include <string>

#include "framework/CString.h"
#include "register/CDrawingFile.h"
#include "register/TVector.h"

class CDrawingFolderInfo;
class CFile;
class CStdioFile;
class CEnvironObj;

class CDrawingFolder {
 public:
  static constexpr const char* kInfoFileName = "FOLDERINF.$$$";

  CDrawingFolder();
  CDrawingFolder(const CDrawingFolder& src);
  // Copies name, records and sub-folders; never the parent link or the lock.
  CDrawingFolder& operator=(const CDrawingFolder& src);
  virtual ~CDrawingFolder();

  // A deep copy without parent and without lock, owned by the caller.
  CDrawingFolder* Clone() const;

  CDrawingFolder* GetParentFolder() { return parent_; }
  const CDrawingFolder* GetParentFolder() const { return parent_; }
  CString GetFolderPath(const CEnvironObj& env) const;

  CString Name() const { return name_; }
  int Name(const CString& name);

  int GetFolderCount() const { return folders_->GetCnt(); }
  CDrawingFolder* GetFolder(int i) { return (*folders_)[i]; }
  const CDrawingFolder* GetFolder(int i) const { return (*folders_)[i]; }
  CDrawingFolder* AddFolder(const CDrawingFolder& folder);
  int RemoveFolder(int i);
  // Index of the first sub-folder with this name, ignoring case; -1 if none.
  int FindFolder(const CString& name) const;
  void DeleteFolderALL();

  int GetFileCount() const { return files_->GetCnt(); }
  CDrawingFile* GetFile(int i) { return (*files_)[i]; }
  const CDrawingFile* GetFile(int i) const { return (*files_)[i]; }
  CDrawingFile* AddFile(const CDrawingFile& file);
  int RemoveFile(int i);
  // The size in bytes of the information file the current records make.
  ULONGLONG GetInfoFileSize() const { return recordBytes_; }
  // Index of the first record whose Name(kind) equals name ignoring case; -1 if none.
  int FindFile(const CString& name, int kind) const;
  void DeleteFileALL();

  // Rebuilds the sub-folder tree from the directory path; the file list is emptied.
  int LoadSubFolders(const CEnvironObj& env, const CString& path);
  // Reloads the records from the information file, taking the lock for the read.
  int LoadFiles(const CEnvironObj& env, int keepLock);
  // Rewrites the information file whole, in place.
  int SaveFiles(const CEnvironObj& env);

  int IsLockFolder() const;
  int LockFolder(const CEnvironObj& env);
  int UnLockFolder();

 protected:
  void SetParentFolder(CDrawingFolder* folder) { parent_ = folder; }
  // Adds a record read from the information file when its file lies in this folder.
  CDrawingFile* AddLoadFile(const CEnvironObj& env, const CDrawingFile& file);

 private:
  // Sets this folder as the parent of a new sub-folder or record and returns it.
  template <typename T>
  T* Adopted(T* item) {
    item->SetParentFolder(this);
    return item;
  }
  CString InfoFilePath(const CEnvironObj& env) const;
  void ReadRecords(const CEnvironObj& env);
  friend class CDrawingFile;
  // A record of this folder changed its line from before to after bytes.
  void RecordLineChanged(size_t before, size_t after) { recordBytes_ += after - before; }
  int WriteRecords(CFile& file, bool check_linked);
  int CloseAfterWriting(CStdioFile& file);
  int CreateInfoFile(const CEnvironObj& env);

  CDrawingFolder* parent_ = nullptr;
  CString name_;
  TVector<CDrawingFolder*>* folders_;
  TVector<CDrawingFile*>* files_;
  CDrawingFolderInfo* info_;
  // Kept with every change of the records, each line with its CR LF.
  ULONGLONG recordBytes_ = 0;
};
