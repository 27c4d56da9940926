// Registering one file: lock the destination folder, let the user set the name fields, copy
// the drawing with its companion files, record it and rewrite the folder information file.
#include <cerrno>
#include <functional>
#include <string_view>

#include "dialogs/CSingleSettingDialog.h"
#include "dialogs/DialogModule.h"
#include "framework/FileSystem.h"
#include "framework/PendingCopy.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/sxf/SxfRasterScanner.h"
#include "register/CDrawingManager.h"
#include "register/CDrawingManagerInfo.h"
#include "registration/Companions.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/EntrySteps.h"
#include "registration/Messages.h"

using namespace registration;

void CDrawingManager::SetInfoFromFileName(const CString& name, CDrawingFile& record,
                                          const CEnvironObj& env, CStdDraftMgr* draft) {
  record.Name(name);
  record.Naming(env.GetNaming());
  const CString base = env.GetBaseNameFromFileName(name);
  const bool edition2017 = env.GetNaming() == NamingEdition::k2017;
  // The eight characters of the fields, in the edition's order; a 2017 name may go on with
  // a hyphen and the user-defined part, which keeps its own case.
  const int length = base.GetLength();
  if (length < 8 || (length > 8 && (!edition2017 || length == 9 || base[8] != '-'))) return;
  CString fixed = base.Left(8);
  fixed.MakeUpper();
  const CString title = base.Mid(9);
  // Positions of life cycle, reference number, type code, drawing number and revision.
  const int life = edition2017 ? 3 : 0, type = edition2017 ? 5 : 2, page = edition2017 ? 0 : 4;
  const CString code = fixed.Mid(type, 2);
  const CStdTreeElm* element = draft->SrchElm(code);
  if (!element) return;
  // The record's own setters judge each field; the name counts only when all pass.
  CDrawingFile fields(record);
  if (!fields.Life(fixed.Mid(life, 1)) || !fields.Arrangement(fixed.Mid(life + 1, 1)) ||
      !fields.Page(fixed.Mid(page, 3)) || !fields.History(fixed.Mid(7, 1)) ||
      (edition2017 && !fields.Title(title))) {
    return;
  }
  fields.SetTypeInfo({element->GetFieldNo(), element->GetNo(), code});
  record = fields;
}

template <typename Fill>
int CDrawingManager::Entry(const CString& src_path, const CString& dst_folder, CStdDraftMgr* draft,
                           CWnd* parent, Fill fill) {
  const CEnvironObj& env = Env();
  afx::FileProblem& problem = info_->problem;
  problem = {};
  const CString src_name = env.GetFileNameFromRelativePath(src_path);
  if (src_name.IsEmpty() || !CheckSource(src_path, src_name, problem, parent)) return 0;
  const EntryDestination destination(*this, dst_folder, problem, parent);
  CDrawingFolder* folder = destination.Folder();
  if (!folder) return 0;
  // The file goes where the folder that records it is, whatever case the caller spelled.
  const CString dst_dir = folder->GetFolderPath(env);
  CString dst_path = dst_dir;
  env.AddFileName(dst_path, src_name);
  const int exists = env.IsExist(dst_path);
  if (exists > 0) {
    ShowError(parent, kFolderHasName, kEntryCaption);
    return 0;
  }
  if (exists == 0 && Ask(parent, kOverwrite, kOverwriteCaption) != IDYES) return 0;
  CDrawingFile work;
  fill(src_name, work);
  work.Naming(env.GetNaming());  // whichever form filled it, it composes as the register does
  const int at = exists == 0 ? folder->FindFile(src_name, 1) : -1;
  if (at >= 0) work = *folder->GetFile(at);
  {
    CSetInstance guard(drawreg::ResourceModule());
    CSingleSettingDialog dialog(&work, folder, &env, draft, parent);
    if (dialog.DoModal() != IDOK) return 0;
  }
  // The drawing is read once: copied under a temporary name while its references to raster
  // files are found. It takes its name after its companions, as it always has.
  CStringArray rasters;
  SxfRasterScanner scanner(rasters);
  const bool sxf = IsSxfDrawing(env, src_name);
  afx::PendingCopy drawing;
  const std::function<void(std::string_view)> scan = [&](std::string_view piece) {
    scanner.Feed(piece);
  };
  // Any other file is left to the kernel's copy.
  if (!drawing.Write(src_path, dst_path, sxf ? scan : nullptr)) {
    return Refuse(problem, {afx::FileFault::writeError, errno, dst_path}, parent, kCopyFailed);
  }
  scanner.Finish();
  const CStringArray companions = CompanionFiles(env, src_path, rasters);
  if (!CheckCompanions(*folder, dst_dir, companions, {}, problem, parent)) return 0;
  CString failed;
  if (!CopyCompanions(env, src_path, companions, dst_dir, failed)) {
    return Refuse(problem, {afx::FileFault::writeError, errno, failed}, parent, kCopyFailed);
  }
  if (!drawing.Commit(false)) {
    return Refuse(problem, {afx::FileFault::writeError, errno, dst_path}, parent, kCopyFailed);
  }
  if (at >= 0) {
    *folder->GetFile(at) = work;
  } else {
    folder->AddFile(work);
  }
  if (!folder->SaveFiles(env)) {
    // A new copy that no record lists would lie in the register unseen.
    if (exists != 0) afx::RemoveFile(dst_path);
    return Refuse(problem, folder->GetLastProblem(), parent,
                  MessageFor(folder->GetLastProblem().fault));
  }
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
  return Entry(info.path, dst_folder, draft, parent,
               [&](const CString& name, CDrawingFile& work) { FillFromInfo(info, name, work); });
}
