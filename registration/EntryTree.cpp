// Registering a tree of folders: every file below the selection goes to the same place below
// the destination folder. All destination folders are locked together, the user sets every
// file's name fields in the multi-folder dialog, and only then are the missing folders made,
// the files and their companions copied and each folder's information file written once.
#include <cerrno>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/CMultiFolderSettingDialog.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DrawingMultiFileInfo.h"
#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "register/CDrawingManager.h"
#include "register/CDrawingManagerInfo.h"
#include "registration/BatchCopy.h"
#include "registration/CDrawingLockFolders.h"
#include "registration/Companions.h"
#include "registration/EntryFolders.h"
#include "registration/EntrySteps.h"
#include "registration/Messages.h"
#include "registration/TreePaths.h"

using namespace registration;

namespace {

class TreeRegistration {
 public:
  TreeRegistration(CDrawingManager& manager, const CString& src_root, CDrawingFolder& dst,
                   CStdDraftMgr* draft, CWnd* parent, afx::FileProblem& problem,
                   const EntryProgressReport& progress)
      : env_(*manager.GetEnvObj()),
        src_root_(src_root),
        dst_(dst),
        dst_root_(dst.GetFolderPath(env_)),
        draft_(draft),
        parent_(parent),
        problem_(problem),
        progress_(progress),
        locks_(&manager, src_root, dst_root_) {}
  TreeRegistration(const TreeRegistration&) = delete;
  TreeRegistration& operator=(const TreeRegistration&) = delete;
  ~TreeRegistration() {
    for (int i = 0; i < working_.GetCnt(); ++i)
      delete working_[i];
  }

  int Run(const CStringArray& items) {
    if (!Collect(items)) return 0;
    ChooseFilesToRegister();
    if (files_.GetCnt() == 0) return 0;  // nothing to register is no registration
    return LockFolders() && MakeRows() && AskUser() && CheckCompanionNames() && StageCopies() &&
           CommitCopies() && Save();
  }

 private:
  int Collect(const CStringArray& items);
  void ChooseFilesToRegister();
  int LockFolders();
  int MakeRows();
  int AskUser();
  int CheckCompanionNames();
  int StageCopies();
  int Stage(const CString& from, const CString& to);
  int CommitCopies();
  int Save();
  void Report(int row);
  int Failed(const afx::FileProblem& problem, const char8_t* text) {
    return Refuse(problem_, problem, parent_, text);
  }

  const CEnvironObj& env_;
  CString src_root_;
  CDrawingFolder& dst_;
  CString dst_root_;
  CStdDraftMgr* draft_;
  CWnd* parent_;
  afx::FileProblem& problem_;
  const EntryProgressReport& progress_;
  TVector<DrawingTreeFileInfo> collected_;
  TVector<DrawingTreeFileInfo> files_;  // the collected files minus the companions
  TVector<DrawingMultiFileInfo> rows_;
  TVector<CDrawingFile*> working_;  // per row, the record this call owns, or null
  std::vector<bool> existed_;       // per row, whether its destination file was there
  CDrawingLockFolders locks_;
  // The copies waiting for their names, per row the drawing and then its companions; declared
  // after the locks so that copies that never took their names are removed while the folders
  // are held.
  BatchCopy copies_;
  EntryProgress done_;
  std::unordered_map<std::string, int> last_row_of_folder_;
};

int TreeRegistration::Collect(const CStringArray& items) {
  EntryFileCollector collector(env_, collected_);
  for (int i = 0; i < items.GetSize(); ++i) {
    CString error_text;
    // Only what lies inside the source folder has a place below the destination.
    // Only what lies inside the source folder has a place below the destination; the source
    // folder itself stands for the whole tree.
    const bool inside =
        WithoutTrailingSeparator(items[i]) == src_root_ || LiesBelow(src_root_, items[i]);
    if (!inside) {
      error_text = CString("[ ") + items[i] + CString(u8" ]が存在しません。");
      problem_ = {afx::FileFault::readError, ENOENT, items[i]};
    } else if (!collector.Collect(items[i], error_text)) {
      problem_ = collector.GetLastProblem();
    }
    if (!error_text.IsEmpty()) {
      ShowError(parent_, error_text, kSettingCaption);
      return 0;
    }
  }
  return 1;
}

void TreeRegistration::ChooseFilesToRegister() {
  CStringArray companions;  // of the whole selection
  for (int i = 0; i < collected_.GetCnt(); ++i) {
    DrawingTreeFileInfo& entry = collected_[i];
    if (!IsSxfDrawing(env_, env_.GetFileNameFromRelativePath(entry.srcPath))) continue;
    entry.companions = CompanionFiles(env_, entry.srcPath);
    for (int c = 0; c < entry.companions.GetSize(); ++c)
      companions.Add(entry.companions[c]);
  }
  for (int i = 0; i < collected_.GetCnt(); ++i) {
    if (FindFileName(companions, env_, collected_[i].srcPath) < 0) files_.Append(collected_[i]);
  }
}

int TreeRegistration::LockFolders() {
  for (int i = 0; i < files_.GetCnt(); ++i) {
    if (!locks_.LockEntryFolder(files_[i], parent_)) {
      problem_ = locks_.GetLastProblem();
      return 0;
    }
  }
  return 1;
}

int TreeRegistration::MakeRows() {
  bool ask = true;
  for (int i = 0; i < files_.GetCnt(); ++i) {
    const DrawingTreeFileInfo& entry = files_[i];
    const int exists = env_.IsExist(entry.dstPath);
    if (exists > 0) return Failed({}, kFolderHasName);
    if (exists == 0 && ask) {
      if (Ask(parent_, kOverwrite, kOverwriteCaption) != IDYES) return 0;
      ask = false;
    }
    existed_.push_back(exists == 0);
    const CString name = env_.GetFileNameFromRelativePath(entry.dstPath);
    const CString dir = env_.GetDirNameFromRelativePath(entry.dstPath);
    const int at = entry.folder ? entry.folder->FindFile(name, 1) : -1;
    if (at >= 0) {
      CDrawingFile* registered = entry.folder->GetFile(at);
      rows_.Append(DrawingMultiFileInfo(dir, registered->GetParentFolder(), registered));
      working_.Append(nullptr);
    } else {
      CDrawingFile record;
      CDrawingManager::SetInfoFromFileName(name, record, env_, draft_);
      working_.Append(record.Clone());
      rows_.Append(DrawingMultiFileInfo(dir, entry.folder, working_[working_.GetCnt() - 1]));
    }
  }
  return 1;
}

int TreeRegistration::AskUser() {
  CSetInstance guard(drawreg::ResourceModule());
  CMultiFolderSettingDialog dialog(dst_root_, &rows_, &env_, draft_, parent_);
  return dialog.DoModal() == IDOK ? 1 : 0;
}

int TreeRegistration::CheckCompanionNames() {
  const CStringArray none;
  for (int i = 0; i < files_.GetCnt(); ++i) {
    const DrawingTreeFileInfo& entry = files_[i];
    const CStringArray& names = entry.companions;
    for (int c = 0; c < names.GetSize(); ++c) {
      // Names come from the drawing's contents: only plain names of its own folder travel.
      if (!afx::IsPlainFileName(names[c]) || afx::HasControlCharacter(names[c])) {
        return Failed({afx::FileFault::badName, EINVAL, names[c]}, kBadName);
      }
    }
    if (!entry.folder) continue;  // a folder still to be made holds no other record
    const CString dir = env_.GetDirNameFromRelativePath(entry.dstPath);
    if (!CheckCompanions(*entry.folder, dir, names, none, problem_, parent_)) return 0;
  }
  return 1;
}

int TreeRegistration::Stage(const CString& from, const CString& to) {
  if (copies_.Add(from, to)) return 1;
  return Failed({afx::FileFault::writeError, errno, to}, kCopyFailed);
}

int TreeRegistration::StageCopies() {
  for (int i = 0; i < files_.GetCnt(); ++i) {
    last_row_of_folder_[FoldedKey(rows_[i].folderPath)] = i;
    done_.fileCount += 1 + files_[i].companions.GetSize();
  }
  done_.folderCount = static_cast<int>(last_row_of_folder_.size());
  for (int i = 0; i < files_.GetCnt(); ++i) {
    DrawingTreeFileInfo& entry = files_[i];
    if (!entry.folder && !locks_.CreateEntryFolder(entry, files_, &dst_, parent_)) {
      problem_ = locks_.GetLastProblem();
      return 0;
    }
    if (!Stage(entry.srcPath, entry.dstPath)) return 0;
    const CString src_dir = env_.GetDirNameFromRelativePath(entry.srcPath);
    const CString dst_dir = env_.GetDirNameFromRelativePath(entry.dstPath);
    for (int c = 0; c < entry.companions.GetSize(); ++c) {
      CString from = src_dir;
      CString to = dst_dir;
      env_.AddFileName(from, entry.companions[c]);
      env_.AddFileName(to, entry.companions[c]);
      if (!Stage(from, to)) return 0;
    }
    Report(i);
  }
  return 1;
}

void TreeRegistration::Report(int row) {
  done_.files += 1 + files_[row].companions.GetSize();
  if (last_row_of_folder_[FoldedKey(rows_[row].folderPath)] == row) ++done_.folders;
  if (progress_) progress_(done_);
}

int TreeRegistration::CommitCopies() {
  CString failed;
  if (!copies_.CommitBelow(dst_root_, failed)) {
    return Failed({afx::FileFault::writeError, errno, failed}, kCopyFailed);
  }
  // Records only for files that are there, all of them.
  for (int i = 0; i < files_.GetCnt(); ++i)
    if (working_[i]) files_[i].folder->AddFile(*working_[i]);
  return 1;
}

int TreeRegistration::Save() {
  std::vector<CDrawingFolder*> failed;
  if (SaveEntryFolders(env_, files_, &failed)) return 1;
  // A new copy that no record lists would lie in the register unseen.
  for (int i = 0; i < files_.GetCnt(); ++i) {
    for (const CDrawingFolder* folder : failed) {
      if (files_[i].folder == folder && !existed_[static_cast<size_t>(i)]) {
        afx::RemoveFile(files_[i].dstPath);
      }
    }
  }
  const afx::FileProblem& why = failed.front()->GetLastProblem();
  return Failed(why, MessageFor(why.fault));
}

}  // namespace

int CDrawingManager::EntryFiles(const CString& srcRoot, const CStringArray& items,
                                const CString& dstFolder, CStdDraftMgr* draft, CWnd* parent) {
  const CEnvironObj& env = Env();
  info_->problem = {};
  if (env.IsExist(srcRoot) <= 0) {
    ShowError(parent, kNoSourceFolder, kSettingCaption);
    return 0;
  }
  CDrawingFolder* dst = FindFolder(dstFolder);
  if (!dst) {
    ShowError(parent, kNoFolder, kEntryCaption);
    return 0;
  }
  // Folders made on disk since the tree was loaded are found, and locked before the dialog.
  dst->LoadSubFolders(env, dst->GetFolderPath(env));
  TreeRegistration run(*this, WithoutTrailingSeparator(srcRoot), *dst, draft, parent,
                       info_->problem, info_->progress);
  return run.Run(items);
}
