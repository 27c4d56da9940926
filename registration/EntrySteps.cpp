#include "registration/EntrySteps.h"

#include <cerrno>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"
#include "register/FolderPath.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/Messages.h"

namespace registration {

int Refuse(afx::FileProblem& kept, const afx::FileProblem& problem, CWnd* parent,
           const char8_t* text) {
  kept = problem;
  ShowError(parent, text, kEntryCaption);
  return 0;
}

int CheckSource(const CString& src_path, const CString& src_name, afx::FileProblem& kept,
                CWnd* parent) {
  if (afx::HasControlCharacter(src_name)) {
    return Refuse(kept, {afx::FileFault::badName, EINVAL, src_path}, parent, kBadName);
  }
  const afx::PathLook look = afx::LookAt(src_path, true);
  if (look.error != 0 && look.error != ENOENT) {
    return Refuse(kept, {afx::FileFault::readError, look.error, src_path}, parent, kReadFailed);
  }
  if (look.error == 0 && !look.isRegular) {
    return Refuse(kept, {afx::FileFault::notRegular, EINVAL, src_path}, parent, kNotRegularFile);
  }
  return 1;
}

int CheckCompanions(const CDrawingFolder& folder, const CString& dst_dir, const CStringArray& names,
                    const CStringArray& own, afx::FileProblem& kept, CWnd* parent) {
  for (int i = 0; i < names.GetSize(); ++i) {
    if (folder.FindFile(names[i], 1) < 0) continue;
    bool drawing_of_the_batch = false;
    for (int j = 0; j < own.GetSize() && !drawing_of_the_batch; ++j)
      drawing_of_the_batch = own[j].CompareNoCase(names[i]) == 0;
    if (drawing_of_the_batch) continue;
    CString path = dst_dir;
    path += kPathSeparator;
    path += names[i];
    return Refuse(kept, {afx::FileFault::writeError, EEXIST, path}, parent, kCompanionIsRegistered);
  }
  return 1;
}

int LoadLockedFolder(CDrawingFolder& folder, const CEnvironObj& env, afx::FileProblem& kept,
                     CWnd* parent) {
  if (folder.LoadFiles(env, 0)) return 1;
  return Refuse(kept, folder.GetLastProblem(), parent, MessageFor(folder.GetLastProblem().fault));
}

EntryDestination::EntryDestination(CDrawingManager& manager, const CString& path,
                                   afx::FileProblem& kept, CWnd* parent)
    : folder_(manager.FindFolder(path)) {
  if (!folder_) {
    ShowError(parent, kNoFolder, kEntryCaption);
    return;
  }
  const CEnvironObj& env = *manager.GetEnvObj();
  lock_.emplace(*folder_, env, parent);
  if (!lock_->Held()) {
    kept = folder_->GetLastProblem();
    return;
  }
  ready_ = LoadLockedFolder(*folder_, env, kept, parent) != 0;
}

void FillFromInfo(const DrawingEntryFileInfo& info, const CString& name, CDrawingFile& record) {
  record.Name(name);
  record.SetTypeInfo({info.fieldNo, info.no, info.code});
  record.Life(info.life);
  record.Arrangement(info.arrangement);
  record.Page(info.page);
  record.History(info.history);
  if (!info.title.IsEmpty()) record.Title(info.title);
}

int FindFileName(const CStringArray& list, const CEnvironObj& env, const CString& path) {
  const CString name = env.GetFileNameFromRelativePath(path);
  for (int i = 0; i < list.GetSize(); ++i)
    if (list[i].CompareNoCase(name) == 0) return i;
  return -1;
}

}  // namespace registration
