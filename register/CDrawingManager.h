// CDrawingManager: the host's entry to the drawing register. Bound to an environment, it
// loads the tree of drawing folders below the drawing root and finds folders and registered
// files by their full paths.
#pragma once

#include <functional>

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/FileProblem.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"
#include "register/EntryProgress.h"

class CDrawingManagerInfo;
class CEnvironObj;
class CStdDraftMgr;
class CWnd;
struct DrawingEntryFileInfo;

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

  // Registers one file into the register folder dst_folder after the user set its name
  // fields in the single setting dialog; 1 registered, 0 refused, cancelled or failed.
  int EntryFile(const CString& src_path, const CString& dst_folder, CStdDraftMgr* draft,
                CWnd* parent);
  // The same, with the name fields preset from info (info.path is the source).
  int EntryFile(const DrawingEntryFileInfo& info, const CString& dst_folder, CStdDraftMgr* draft,
                CWnd* parent);

  // Registers several files into dst_folder in one pass: one lock, one overwrite question, the
  // batch setting dialog over all of them, then the copies and one save. A file that is a
  // companion of another of the list (its .SAF or raster file) travels with it instead of
  // being registered; a batch of one drawing is EntryFile. 1 registered, 0 otherwise.
  int EntryFiles(const CStringArray& src_paths, const CString& dst_folder, CStdDraftMgr* draft,
                 CWnd* parent);
  // The same with the name fields preset from count records; every record is registered.
  int EntryFiles(int count, const DrawingEntryFileInfo* infos, const CString& dst_folder,
                 CStdDraftMgr* draft, CWnd* parent);

  // Lets the user change the name fields of the registered file at path in the single setting
  // dialog and saves its folder; the file keeps its name. 1 saved, 0 otherwise.
  int SettingFile(const CString& path, CStdDraftMgr* draft, CWnd* parent);
  // The same for several registered files of one folder, in the batch setting dialog (one
  // path: SettingFile); the folder of the first path is the one locked and saved.
  int SettingFiles(const CStringArray& paths, CStdDraftMgr* draft, CWnd* parent);

  // Registers the files below the selection items (full paths of files and folders inside the
  // folder srcRoot, or srcRoot itself for all of it) at the same places below the register folder
  // dstFolder, making the folders missing there, after the user set every file's name fields in the
  // multi-folder setting dialog; 1 registered, 0 refused, cancelled or failed.
  int EntryFiles(const CString& srcRoot, const CStringArray& items, const CString& dstFolder,
                 CStdDraftMgr* draft, CWnd* parent);

  // Called while a registration of many files copies them; none by default.
  void SetEntryProgress(EntryProgressReport report);

  // Why the last registration or setting failed, where a file was at fault (the path and the
  // system's reason, for the host to show beside the message box).
  const afx::FileProblem& GetLastProblem() const;

  // Sets record's source file name, and its name fields when name already follows the
  // deliverable naming rule (any letter case) with a type code the catalogue knows.
  static void SetInfoFromFileName(const CString& name, CDrawingFile& record, const CEnvironObj& env,
                                  CStdDraftMgr* draft);

 private:
  const CEnvironObj& Env() const;
  // The one algorithm behind both EntryFile forms; fill sets the working record's fields.
  template <typename Fill>
  int Entry(const CString& src_path, const CString& dst_folder, CStdDraftMgr* draft, CWnd* parent,
            Fill fill);
  // The one algorithm behind both EntryFiles forms, over the drawings to register (paths, at
  // least two) and the batch's companions; fill(i, name, record) sets a new row's fields.
  template <typename Fill>
  int EntryBatch(const CStringArray& paths, const CStringArray& companions,
                 const CString& dst_folder, CStdDraftMgr* draft, CWnd* parent, Fill fill);
  // Under folder's lock, runs a setting dialog (confirmed: IDOK) and saves the folder after
  // it; 0 when the lock was declined, the dialog cancelled, or the save failed (with its
  // message).
  int SettingUnderLock(CDrawingFolder& folder, CWnd* parent, const std::function<int()>& dialog);

  CDrawingManagerInfo* info_;
};
