// drawreg list FOLDER [--gui]: the registered files of one folder of the register.
#include <filesystem>
#include <iostream>

#include "dialogs/CDrawingFilesDialog.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/RegisterView.h"
#include "host/Ui.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "module/Module.h"
#include "register/CDrawingManager.h"

namespace host {

namespace {}  // namespace

int RunList(const CommandLine& line) {
  if (line.args.size() != 1) {
    Complain("usage: drawreg list FOLDER [--gui]");
    return 2;
  }
  const std::string folder_path = AbsolutePath(line.args[0]);
  Paths paths = ResolvePaths(line);
  // Without a configured root, the folder's parent serves as the root.
  paths.root = paths.root.empty() ? std::filesystem::path(folder_path).parent_path().string()
                                  : AbsolutePath(paths.root);
  CEnvironObj env;
  ApplyPaths(paths, env);
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  CDrawingFolder* folder = manager.FindFolder(afx::FromUtf8(folder_path));
  if (!folder) {
    Complain(folder_path + " is not a folder of the register at " + paths.root);
    return 1;
  }
  const int loaded = LoadForViewing(env, *folder);
  if (loaded == 0) {
    Complain(afx::ToUtf8(CString(u8"現在、他のユーザーが編集中です。")) + " (" + folder_path + ")");
    return 1;
  }
  if (line.Flag("gui")) {
    UiSession ui(line);
    if (!ui.Interactive()) {
      Complain("--gui needs a display");
      return 1;
    }
    CSetInstance guard(drawreg::ResourceModule());
    CDrawingFilesDialog dialog(&env, folder, nullptr);
    dialog.DoModal();
    return 0;
  }
  std::cout << FilesTable(env, *folder);
  return 0;
}

int RunTree(const CommandLine& line) {
  const Paths paths = ResolvePaths(line);
  if (paths.root.empty()) {
    Complain(
        "no drawing root: give --root, set DRAWREG_ROOT or write root = PATH in the config file");
    return 2;
  }
  CEnvironObj env;
  ApplyPaths(paths, env);
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  std::cout << TreeText(env, manager, line.Flag("files"));
  return 0;
}

}  // namespace host
