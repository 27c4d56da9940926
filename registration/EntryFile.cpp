// Registering one file: lock the destination folder, let the user set the name fields, copy
// the drawing with its companion files, record it and rewrite the folder information file.
#include "dialogs/CSingleSettingDialog.h"
#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "module/Module.h"
#include "register/CDrawingManager.h"
#include "registration/Companions.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/Messages.h"
#include "registration/RegistrationLock.h"

using namespace registration;

namespace {

bool IsCodeCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void CDrawingManager::SetInfoFromFileName(const CString& name, CDrawingFile& record,
                                          const CEnvironObj& env, CStdDraftMgr* draft) {
  record.Name(name);
  CString base = env.GetBaseNameFromFileName(name);
  if (base.GetLength() != 8) return;
  base.MakeUpper();
  if (CString("SDCM").Find(base[0]) < 0 || !IsCodeCharacter(base[1])) return;
  const CString code = base.Mid(2, 2);
  const CStdTreeElm* element = draft->SrchElm(code);
  if (!element) return;
  if (!IsDigit(base[4]) || !IsDigit(base[5]) || !IsDigit(base[6]) || !IsCodeCharacter(base[7])) {
    return;
  }
  record.Life(base.Left(1));
  record.Arrangement(base.Mid(1, 1));
  record.Page(base.Mid(4, 3));
  record.History(base.Mid(7, 1));
  record.SetTypeInfo({element->GetFieldNo(), element->GetNo(), code});
}

template <typename Fill>
int CDrawingManager::Entry(const CString& src_path, const CString& dst_folder, CStdDraftMgr* draft,
                           CWnd* parent, Fill fill) {
  const CEnvironObj& env = Env();
  const CString src_name = env.GetFileNameFromRelativePath(src_path);
  if (src_name.IsEmpty()) return 0;
  CDrawingFolder* folder = FindFolder(dst_folder);
  if (!folder) {
    ShowError(parent, kNoFolder, kEntryCaption);
    return 0;
  }
  RegistrationLock lock(*folder, env, parent);
  if (!lock.Held()) return 0;
  folder->LoadFiles(env, 0);
  CString dst_path = dst_folder;
  env.AddFileName(dst_path, src_name);
  const int exists = env.IsExist(dst_path);
  if (exists > 0) {
    ShowError(parent, kFolderHasName, kEntryCaption);
    return 0;
  }
  if (exists == 0 && Ask(parent, kOverwrite, kOverwriteCaption) != IDYES) return 0;
  CDrawingFile work;
  fill(src_name, work);
  CDrawingFile* registered = exists == 0 ? FindFile(dst_path) : nullptr;
  if (registered) work = *registered;
  {
    CSetInstance guard(drawreg::ResourceModule());
    CSingleSettingDialog dialog(&work, folder, &env, draft, parent);
    if (dialog.DoModal() != IDOK) return 0;
  }
  if (!CopyCompanions(env, src_path, dst_folder) || !CopyFileA(src_path, dst_path, FALSE)) {
    ShowError(parent, kCopyFailed, kEntryCaption);
    return 0;
  }
  if (registered) {
    *registered = work;
  } else {
    folder->AddFile(work);
  }
  folder->SaveFiles(env);
  return 1;
}

int CDrawingManager::EntryFile(const CString& src_path, const CString& dst_folder,
                               CStdDraftMgr* draft, CWnd* parent) {
  const CEnvironObj& env = Env();
  return Entry(src_path, dst_folder, draft, parent, [&](const CString& name, CDrawingFile& work) {
    SetInfoFromFileName(name, work, env, draft);
  });
}

int CDrawingManager::EntryFile(const DrawingEntryFileInfo& info, const CString& dst_folder,
                               CStdDraftMgr* draft, CWnd* parent) {
  return Entry(info.path, dst_folder, draft, parent, [&](const CString& name, CDrawingFile& work) {
    work.Name(name);
    work.SetTypeInfo({info.fieldNo, info.no, info.code});
    work.Life(info.life);
    work.Arrangement(info.arrangement);
    work.Page(info.page);
    work.History(info.history);
  });
}
