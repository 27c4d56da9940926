// Changing the name fields of files already registered: the setting dialog over the folder's
// own records, then a save of the folder. No file on disk is copied or renamed.
#include "dialogs/CMultiSettingDialog.h"
#include "dialogs/CSingleSettingDialog.h"
#include "dialogs/DialogModule.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "register/CDrawingManager.h"
#include "register/CDrawingManagerInfo.h"
#include "register/TVector.h"
#include "registration/Messages.h"
#include "registration/RegistrationLock.h"

using namespace registration;

int CDrawingManager::SettingUnderLock(CDrawingFolder& folder, CWnd* parent,
                                      const std::function<int()>& dialog) {
  RegistrationLock lock(folder, Env(), parent);
  if (!lock.Held()) {
    info_->problem = folder.GetLastProblem();
    return 0;
  }
  {
    CSetInstance guard(drawreg::ResourceModule());
    if (dialog() != IDOK) return 0;
  }
  if (folder.SaveFiles(Env())) return 1;
  info_->problem = folder.GetLastProblem();
  ShowError(parent, MessageFor(info_->problem.fault), kSettingCaption);
  return 0;
}

int CDrawingManager::SettingFile(const CString& path, CStdDraftMgr* draft, CWnd* parent) {
  const CEnvironObj& env = Env();
  info_->problem = {};
  CDrawingFile* record = FindFile(path);
  CDrawingFolder* folder = record ? FindFolder(env.GetDirNameFromRelativePath(path)) : nullptr;
  if (!folder) {
    ShowError(parent, kNoSuchFile, kSettingCaption);
    return 0;
  }
  return SettingUnderLock(*folder, parent, [&] {
    return CSingleSettingDialog(record, folder, &env, draft, parent).DoModal();
  });
}

int CDrawingManager::SettingFiles(const CStringArray& paths, CStdDraftMgr* draft, CWnd* parent) {
  const CEnvironObj& env = Env();
  info_->problem = {};
  if (paths.GetSize() == 0) return 0;
  if (paths.GetSize() == 1) return SettingFile(paths[0], draft, parent);
  TVector<CDrawingFile*> records(8);
  for (int i = 0; i < paths.GetSize(); ++i) {
    CDrawingFile* record = FindFile(paths[i]);
    if (!record) return 0;
    records.Append(record);
  }
  CDrawingFolder* folder = FindFolder(env.GetDirNameFromRelativePath(paths[0]));
  if (!folder) {
    ShowError(parent, kNoSuchFolder, kSettingCaption);
    return 0;
  }
  return SettingUnderLock(*folder, parent, [&] {
    return CMultiSettingDialog(&records, folder, &env, draft, parent).DoModal();
  });
}
