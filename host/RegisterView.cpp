#include "host/RegisterView.h"

#include <sstream>

#include "dialogs/CDrawingFilesDialog.h"
#include "framework/CFile.h"
#include "host/FolderWalk.h"
#include "host/LockWait.h"
#include "host/Report.h"
#include "host/Table.h"
#include "host/Text.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"

namespace host {

Viewing LoadForViewing(const CEnvironObj& env, CDrawingFolder& folder, LockWait& wait,
                       bool keep_lock) {
  CString info = folder.GetFolderPath(env);
  env.AddFileName(info, CDrawingFolder::kInfoFileName);
  wait.Start();
  for (;;) {
    // Taking the lock would create a missing information file: look first.
    if (env.IsExist(info) < 0) return Viewing::nothing;
    if (folder.LoadFiles(env, keep_lock ? 1 : 0)) {
      ReportLoadNotes(env, folder);
      return Viewing::loaded;
    }
    const afx::FileProblem& problem = folder.GetLastProblem();
    if (problem.fault != afx::FileFault::locked) {
      ReportProblem(problem);
      ReportLoadNotes(env, folder);
      return Viewing::failed;
    }
    if (!wait.StillWaiting()) break;
    wait.Pause();
  }
  std::ostringstream waited;
  waited << wait.Seconds();
  Complain(Printable(folder.GetFolderPath(env)) + ": locked by another user (waited " +
           waited.str() + " seconds)");
  return Viewing::locked;
}

std::string FilesTable(const CEnvironObj& env, const CDrawingFolder& folder) {
  Table table({CString(u8"元ファイル名"), CString(u8"成果ファイル名"), CString(u8"サイズ"),
               CString(u8"更新日時")});
  table.SetRightAligned({false, false, true, false});
  for (int i = 0; i < folder.GetFileCount(); ++i) {
    const CDrawingFile& file = *folder.GetFile(i);
    CFileStatus status;
    const bool found = CFile::GetStatus(file.GetFilePath(env, 1), status) != 0;
    table.AddRow({file.Name(1), file.Name(0),
                  found ? CDrawingFilesDialog::SizeText(status.m_size) : CString(u8"（なし）"),
                  found ? CDrawingFilesDialog::TimeText(status.m_mtime) : CString()});
  }
  return table.Render();
}

namespace {

void AppendFolder(const CEnvironObj& env, CDrawingFolder& folder, int depth, bool with_files,
                  LockWait& wait, bool& complete, std::string& out) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  out += indent + Printable(folder.Name()) + "/\n";
  if (!with_files) return;
  const Viewing viewing = LoadForViewing(env, folder, wait);
  if (viewing == Viewing::locked) out += indent + "  (" + Printable(CString(u8"編集中")) + ")\n";
  if (viewing == Viewing::failed) {
    out += indent + "  (" + Printable(CString(u8"読み込みエラー")) + ")\n";
  }
  complete = complete && (viewing == Viewing::loaded || viewing == Viewing::nothing);
  for (int i = 0; viewing == Viewing::loaded && i < folder.GetFileCount(); ++i) {
    const CDrawingFile& file = *folder.GetFile(i);
    out += indent + "  " + Printable(file.Name(0)) + "  <- " + Printable(file.Name(1)) + "\n";
  }
}

}  // namespace

std::string TreeText(const CEnvironObj& env, CDrawingManager& manager, bool with_files,
                     LockWait& wait, bool& complete) {
  std::string out = Printable(CDrawingManager::GetRootPath(env)) + "\n";
  ForEachFolder(manager, [&](CDrawingFolder& folder, int depth) {
    AppendFolder(env, folder, depth, with_files, wait, complete, out);
  });
  return out;
}

}  // namespace host
