#include "host/RegisterView.h"

#include "dialogs/CDrawingFilesDialog.h"
#include "framework/CFile.h"
#include "host/Table.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"

namespace host {

int LoadForViewing(const CEnvironObj& env, CDrawingFolder& folder) {
  CString info = folder.GetFolderPath(env);
  env.AddFileName(info, CDrawingFolder::kInfoFileName);
  if (env.IsExist(info) != 0) return -1;
  return folder.LoadFiles(env, 0);
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
                  std::string& out) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  out += indent + afx::ToUtf8(folder.Name()) + "/\n";
  if (with_files) {
    const int loaded = LoadForViewing(env, folder);
    if (loaded == 0) out += indent + "  (" + afx::ToUtf8(CString(u8"編集中")) + ")\n";
    for (int i = 0; loaded > 0 && i < folder.GetFileCount(); ++i) {
      const CDrawingFile& file = *folder.GetFile(i);
      out += indent + "  " + afx::ToUtf8(file.Name(0)) + "  <- " + afx::ToUtf8(file.Name(1)) + "\n";
    }
  }
  for (int i = 0; i < folder.GetFolderCount(); ++i) {
    AppendFolder(env, *folder.GetFolder(i), depth + 1, with_files, out);
  }
}

}  // namespace

std::string TreeText(const CEnvironObj& env, CDrawingManager& manager, bool with_files) {
  std::string out = afx::ToUtf8(CDrawingManager::GetRootPath(env)) + "\n";
  for (int i = 0; i < manager.GetFolderCount(); ++i) {
    AppendFolder(env, *manager.GetFolder(i), 1, with_files, out);
  }
  return out;
}

}  // namespace host
