// drawreg check [FOLDER...]: the register checked before delivery.
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>

#include "host/CheckReport.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/FolderWalk.h"
#include "host/Json.h"
#include "host/LockWait.h"
#include "host/RegisterCheck.h"
#include "host/RegisterSession.h"
#include "host/Text.h"

namespace host {

namespace {

// The folders to check, found before anything is checked; none when the whole root is.
std::vector<CDrawingFolder*> NamedFolders(RegisterSession& reg,
                                          const std::vector<std::string>& named) {
  const CString root = CDrawingManager::GetRootPath(reg.env);
  std::vector<CDrawingFolder*> folders;
  for (const std::string& given : named) {
    const CString path = ToCodePage(AbsolutePath(given), "FOLDER");
    if (path == root) return {};
    CDrawingFolder* folder = reg.manager.FindFolder(path);
    if (!folder) {
      throw UsageError("FOLDER: " + Printable(path) + " is not a folder of the register at " +
                       Printable(root));
    }
    folders.push_back(folder);
  }
  return folders;
}

}  // namespace

int RunCheck(const CommandLine& line) {
  Paths paths = ResolvePaths(line.global);
  // Without a configured root, the first folder's parent serves as the root.
  if (paths.root.empty() && !line.checked.empty()) {
    paths.root = {std::filesystem::path(AbsolutePath(line.checked.front())).parent_path().string(),
                  "FOLDER"};
  }
  RegisterSession reg(paths);
  const std::vector<CDrawingFolder*> named = NamedFolders(reg, line.checked);
  LockWait wait(line.wait_seconds);
  RegisterCheck check(reg.env, wait);
  // A folder named twice, or below another one named, is checked once.
  std::set<const CDrawingFolder*> checked;
  const FolderVisit visit = [&](CDrawingFolder& folder, int) {
    if (checked.insert(&folder).second) check.CheckFolder(folder);
  };
  if (named.empty()) {
    check.CheckRoot();
    ForEachFolder(reg.manager, visit);
  }
  for (CDrawingFolder* folder : named)
    ForEachFolder(*folder, 0, visit);
  const std::vector<CheckProblem>& problems = check.Problems();
  if (line.json) {
    PrintJson(CheckJson(CDrawingManager::GetRootPath(reg.env), check.FolderCount(), problems));
  } else if (line.csv) {
    std::cout << CheckSheet(problems);
  } else {
    std::cout << CheckLines(problems);
  }
  return problems.empty() ? 0 : 1;
}

}  // namespace host
