// Registering several files into one folder in one pass: one lock, one overwrite question, the
// batch setting dialog over every file, then the copies (companions first) and one save.
#include <cerrno>
#include <memory>
#include <vector>

#include "dialogs/CMultiSettingDialog.h"
#include "dialogs/DialogModule.h"
#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "register/CDrawingManager.h"
#include "register/CDrawingManagerInfo.h"
#include "registration/BatchCopy.h"
#include "registration/Companions.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/EntrySteps.h"
#include "registration/Messages.h"

using namespace registration;

namespace {

// The rows of the grid, one a drawing: the folder's own record for a file registered
// already, else a working record the call owns and releases on every way out.
struct BatchRows {
  TVector<CDrawingFile*> records{8};
  std::vector<std::unique_ptr<CDrawingFile>> working;  // null for a registered file
  std::vector<bool> existed;  // a file of that name lay at the destination before the call
};

// Makes the rows, asking once whether existing files may be overwritten; 0 when a folder
// stands in a file's way or the user declined.
template <typename Fill>
int MakeRows(CDrawingFolder& folder, const CEnvironObj& env, const CString& dst_dir,
             const CStringArray& names, CWnd* parent, Fill fill, BatchRows& rows) {
  bool ask = true;
  for (int i = 0; i < names.GetSize(); ++i) {
    CString dst_path = dst_dir;
    env.AddFileName(dst_path, names[i]);
    const int exists = env.IsExist(dst_path);
    if (exists > 0) {
      ShowError(parent, kFolderHasName, kEntryCaption);
      return 0;
    }
    if (exists == 0 && ask) {
      if (Ask(parent, kOverwrite, kOverwriteCaption) != IDYES) return 0;
      ask = false;
    }
    rows.existed.push_back(exists == 0);
    const int at = folder.FindFile(names[i], 1);
    if (at >= 0) {
      rows.working.emplace_back();
      rows.records.Append(folder.GetFile(at));
      continue;
    }
    CDrawingFile record;
    fill(i, names[i], record);
    record.Naming(env.GetNaming());
    rows.working.emplace_back(record.Clone());
    rows.records.Append(rows.working.back().get());
  }
  return 1;
}

// Copies the companions (from the folder of the first drawing) and then every drawing into
// dst_dir; 0 with the message shown at the first failure, nothing then taking a name.
int CopyBatch(const CEnvironObj& env, const CStringArray& paths, const CStringArray& names,
              const CStringArray& companions, const CString& dst_dir, afx::FileProblem& problem,
              CWnd* parent) {
  BatchCopy copies;
  CString failed;
  const CopyStep add = [&](const CString& from, const CString& to) { return copies.Add(from, to); };
  bool done = CopyCompanions(env, paths[0], companions, dst_dir, failed, add);
  for (int i = 0; done && i < paths.GetSize(); ++i) {
    failed = dst_dir;
    env.AddFileName(failed, names[i]);
    done = copies.Add(paths[i], failed);
  }
  if (done) done = copies.Commit(dst_dir, failed);
  if (done) return 1;
  return Refuse(problem, {afx::FileFault::writeError, errno, failed}, parent, kCopyFailed);
}

}  // namespace

template <typename Fill>
int CDrawingManager::EntryBatch(const CStringArray& paths, const CStringArray& companions,
                                const CString& dst_folder, CStdDraftMgr* draft, CWnd* parent,
                                Fill fill) {
  const CEnvironObj& env = Env();
  afx::FileProblem& problem = info_->problem;
  CStringArray names;
  for (int i = 0; i < paths.GetSize(); ++i) {
    // Two files of one name would be copied over each other and recorded twice.
    if (FindFileName(names, env, paths[i]) >= 0) {
      return Refuse(problem, {afx::FileFault::badName, EEXIST, paths[i]}, parent, kSameNameTwice);
    }
    names.Add(env.GetFileNameFromRelativePath(paths[i]));
    if (names[i].IsEmpty() || !CheckSource(paths[i], names[i], problem, parent)) return 0;
  }
  const EntryDestination destination(*this, dst_folder, problem, parent);
  CDrawingFolder* folder = destination.Folder();
  if (!folder) return 0;
  // The files go where the folder that records them is, whatever case the caller spelled.
  const CString dst_dir = folder->GetFolderPath(env);
  BatchRows rows;
  if (!MakeRows(*folder, env, dst_dir, names, parent, fill, rows)) return 0;
  if (!CheckCompanions(*folder, dst_dir, companions, names, problem, parent)) return 0;
  {
    CSetInstance guard(drawreg::ResourceModule());
    CMultiSettingDialog dialog(&rows.records, folder, &env, draft, parent);
    if (dialog.DoModal() != IDOK) return 0;
  }
  if (!CopyBatch(env, paths, names, companions, dst_dir, problem, parent)) return 0;
  for (const auto& work : rows.working)
    if (work) folder->AddFile(*work);
  if (folder->SaveFiles(env)) return 1;
  // A new copy that no record lists would lie in the register unseen.
  for (int i = 0; i < names.GetSize(); ++i) {
    if (rows.existed[static_cast<size_t>(i)]) continue;
    CString path = dst_dir;
    env.AddFileName(path, names[i]);
    afx::RemoveFile(path);
  }
  return Refuse(problem, folder->GetLastProblem(), parent,
                MessageFor(folder->GetLastProblem().fault));
}

int CDrawingManager::EntryFiles(const CStringArray& src_paths, const CString& dst_folder,
                                CStdDraftMgr* draft, CWnd* parent) {
  const CEnvironObj& env = Env();
  info_->problem = {};
  if (src_paths.GetSize() == 0) return 0;
  if (src_paths.GetSize() == 1) return EntryFile(src_paths[0], dst_folder, draft, parent);
  // A .SAF or raster file chosen with its drawing travels with it, not as a drawing.
  const CStringArray companions = BatchCompanions(env, src_paths);
  CStringArray drawings;
  for (int i = 0; i < src_paths.GetSize(); ++i)
    if (FindFileName(companions, env, src_paths[i]) < 0) drawings.Add(src_paths[i]);
  // Nothing left to register (every file the companion of another): nothing is copied.
  if (drawings.GetSize() == 0) return 0;
  if (drawings.GetSize() == 1) return EntryFile(drawings[0], dst_folder, draft, parent);
  return EntryBatch(drawings, companions, dst_folder, draft, parent,
                    [&](int, const CString& name, CDrawingFile& record) {
                      SetInfoFromFileName(name, record, env, draft);
                    });
}

int CDrawingManager::EntryFiles(int count, const DrawingEntryFileInfo* infos,
                                const CString& dst_folder, CStdDraftMgr* draft, CWnd* parent) {
  info_->problem = {};
  // No record: no row for the dialog and no folder to take companions from.
  if (count < 1 || !infos) return 0;
  if (count == 1) return EntryFile(infos[0], dst_folder, draft, parent);
  CStringArray paths;
  for (int i = 0; i < count; ++i)
    paths.Add(infos[i].path);
  return EntryBatch(paths, BatchCompanions(Env(), paths), dst_folder, draft, parent,
                    [&](int i, const CString& name, CDrawingFile& record) {
                      FillFromInfo(infos[i], name, record);
                    });
}
