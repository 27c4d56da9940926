// CDrawingFolder: one folder of the drawing register, a directory below the drawing root with
// its sub-folders and registered files. The files are listed in the folder information file
// "FOLDERINF.$$$" in the directory; holding that file open with exclusive sharing is the
// folder's edit lock, which keeps other users out while the list is read, changed and saved.
#pragma once

#include <string>
#include <vector>

#include "framework/CString.h"
#include "framework/FileProblem.h"
#include "register/CDrawingFile.h"
#include "register/InfoFileName.h"
#include "register/TVector.h"

class CDrawingFolderInfo;
class CFile;
class CStdioFile;
class CEnvironObj;

class CDrawingFolder {
 public:
  static constexpr const char* kInfoFileName = ::kInfoFileName;

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
  // Index of the sub-folder with exactly this name, else of the first whose name differs
  // only in letter case; -1 if none.
  int FindFolder(const CString& name) const;
  void DeleteFolderALL();

  int GetFileCount() const { return files_->GetCnt(); }
  CDrawingFile* GetFile(int i) { return (*files_)[i]; }
  const CDrawingFile* GetFile(int i) const { return (*files_)[i]; }
  CDrawingFile* AddFile(const CDrawingFile& file);
  int RemoveFile(int i);
  // Index of the record whose Name(kind) is exactly name, else of the first that differs only
  // in letter case; -1 if none.
  int FindFile(const CString& name, int kind) const;
  void DeleteFileALL();

  // Rebuilds the sub-folder tree from the directory path; the file list is emptied. A
  // sub-folder still on disk keeps its object, and with it a lock this process holds.
  int LoadSubFolders(const CEnvironObj& env, const CString& path);
  // Reloads the records from the information file, taking the lock for the read. 0 when the
  // lock could not be taken or any record could not be read: the records are then emptied,
  // and GetLastProblem says why. A record whose file is gone (and only when certainly gone)
  // is left out; a line that is no record is left out and its number kept.
  int LoadFiles(const CEnvironObj& env, int keepLock);
  // Rewrites the information file whole, in place and crash-safe (through a journal). 0 when
  // it failed; the file then keeps the records it had, and GetLastProblem says why.
  int SaveFiles(const CEnvironObj& env);
  // The information file as it stands, for a check of the register: a copy of every line
  // that reads as a record (also of files that are gone, which a load leaves out) and the
  // numbers of the lines that do not. Writes nothing: no information file is made, no journal
  // finished, the records held stay. The file is held with shared access for the read only,
  // so that no save changes it meanwhile. No information file reads as no lines. 0 when it
  // could not be read; GetLastProblem says why (FileFault::locked: another user's lock).
  int ReadInfoFile(const CEnvironObj& env, std::vector<CDrawingFile>& records,
                   std::vector<int>& unread);

  int IsLockFolder() const;
  // Takes the edit lock, creating an empty information file when there is none. Finishes or
  // sets aside a journal a killed save left, and removes copies a killed copy left. 0 when it
  // cannot; GetLastProblem tells a lock held by another user from every other cause.
  int LockFolder(const CEnvironObj& env);
  int UnLockFolder();

  // Why the last LockFolder, LoadFiles or SaveFiles failed.
  const afx::FileProblem& GetLastProblem() const { return problem_; }
  // The line numbers (from 1) of the lines the last load could not read as records.
  const std::vector<int>& GetUnreadLines() const { return unreadLines_; }
  // Whether taking the lock found a journal that another program's save had overtaken and
  // set it aside as "FOLDERINF.$$$.journal.stale".
  bool StaleJournalSetAside() const { return staleJournal_; }

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
  std::string RecordText() const;
  int WriteRecords(CFile& file);
  int CreateInfoFile(const CEnvironObj& env);
  int OpenInfoFile(const CEnvironObj& env);
  void RemoveStaleCopies(const CEnvironObj& env) const;
  int Failed(const afx::FileProblem& problem);

  CDrawingFolder* parent_ = nullptr;
  CString name_;
  TVector<CDrawingFolder*>* folders_;
  TVector<CDrawingFile*>* files_;
  CDrawingFolderInfo* info_;
  afx::FileProblem problem_;
  std::vector<int> unreadLines_;
  bool staleJournal_ = false;
  // The last load failed part-way: what is held is not the folder's list and is never saved.
  bool loadFailed_ = false;
};
