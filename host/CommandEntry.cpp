// drawreg entry FILE... --to FOLDER: registers files into a folder of the register, one
// after the other, each through the single setting dialog.
#include <filesystem>
#include <iostream>

#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/Ui.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"

namespace host {

namespace {

bool ReadAnswers(const CommandLine& line, EntryAnswers& answers) {
  answers.life = line.Value("life");
  answers.ref = line.Value("ref");
  answers.type = line.Value("type");
  answers.page = line.Value("page");
  answers.rev = line.Value("rev");
  answers.yes = line.Flag("yes");
  if (const auto wait = line.Value("wait")) {
    char* end = nullptr;
    answers.wait_seconds = std::strtod(wait->c_str(), &end);
    if (end == wait->c_str() || *end || answers.wait_seconds < 0) return false;
  }
  return true;
}

}  // namespace

int RunEntry(const CommandLine& line) {
  EntryAnswers answers;
  const auto to = line.Value("to");
  if (line.args.empty() || !to || !ReadAnswers(line, answers)) {
    Complain(
        "usage: drawreg entry FILE... --to FOLDER [--life L] [--ref R] [--type CODE] "
        "[--page N] [--rev V] [--yes] [--wait SECONDS]");
    return 2;
  }
  Paths paths = ResolvePaths(line);
  if (paths.root.empty()) {
    Complain("no drawing root: give --root, set DRAWREG_ROOT or write root = PATH in the config");
    return 2;
  }
  paths.root = AbsolutePath(paths.root);
  CEnvironObj env;
  ApplyPaths(paths, env);
  CStdDraftMgr draft;
  if (const auto catalogue = line.Value("catalogue");
      catalogue && !draft.Load(afx::FromUtf8(*catalogue))) {
    Complain(afx::ToUtf8(draft.GetLastError()));
    return 2;
  }
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  EntryDriver driver(answers, draft);
  UiSession ui(line, &driver);
  int failed = 0;
  for (const std::string& file : line.args) {
    driver.StartFile();
    const int done = manager.EntryFile(afx::FromUtf8(AbsolutePath(file)),
                                       afx::FromUtf8(AbsolutePath(*to)), &draft, nullptr);
    std::cout << (done ? "registered " : "not registered ") << file << std::endl;
    failed += done ? 0 : 1;
  }
  return failed ? 1 : 0;
}

}  // namespace host
