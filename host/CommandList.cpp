// drawreg list FOLDER [--gui] and drawreg tree [--files]: the registered files of one folder,
// and the register's folders.
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "dialogs/CDrawingFilesDialog.h"
#include "framework/FileSystem.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/Json.h"
#include "host/LockWait.h"
#include "host/RegisterJson.h"
#include "host/RegisterSession.h"
#include "host/RegisterView.h"
#include "host/Report.h"
#include "host/Sheet.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "module/Module.h"

namespace host {

int RunList(const CommandLine& line) {
  const std::string folder_path = AbsolutePath(line.folder);
  const CString folder_name = ToCodePage(folder_path, "FOLDER");
  if (afx::GetPathKind(folder_name) != afx::PathKind::directory) {
    throw UsageError("FOLDER: " + Printable(folder_name) + " is not a directory");
  }
  Paths paths = ResolvePaths(line.global);
  // Without a configured root, the folder's parent serves as the root.
  if (paths.root.empty()) {
    paths.root = {std::filesystem::path(folder_path).parent_path().string(), "FOLDER"};
  }
  RegisterSession reg(paths);
  CDrawingFolder* folder = reg.manager.FindFolder(folder_name);
  if (!folder) {
    Complain(Printable(folder_name) + " is not a folder of the register at " +
             Printable(CDrawingManager::GetRootPath(reg.env)));
    return 1;
  }
  LockWait wait(line.wait_seconds);
  const Viewing viewing = LoadForViewing(reg.env, *folder, wait);
  if (viewing == Viewing::locked || viewing == Viewing::failed) return 1;
  if (line.gui) {
    UiSession ui("qt", false);
    CSetInstance guard(drawreg::ResourceModule());
    CDrawingFilesDialog dialog(&reg.env, folder, nullptr);
    dialog.DoModal();
    return 0;
  }
  if (line.csv) {
    std::string sheet, why;
    if (!Sheet::Write(*folder, reg.env.GetNaming(), sheet, why)) {
      Complain(why);
      return 1;
    }
    std::cout << sheet;
  } else if (line.json) {
    PrintJson(FilesJson(reg.env, *folder));
  } else {
    std::cout << FilesTable(reg.env, *folder);
  }
  return 0;
}

int RunTree(const CommandLine& line) {
  RegisterSession reg(ResolvePaths(line.global));
  LockWait wait(line.wait_seconds);
  bool complete = true;
  if (line.json) {
    PrintJson(TreeJson(reg.env, reg.manager, line.tree_files, wait, complete));
  } else {
    std::cout << TreeText(reg.env, reg.manager, line.tree_files, wait, complete);
  }
  return complete ? 0 : 1;
}

}  // namespace host
