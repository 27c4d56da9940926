// drawreg demo: the main job on sample data. Makes a sample drawing root with received CAD
// files, registers them into the register's folders and prints the register.
#include <filesystem>
#include <iostream>

#include "framework/FileSystem.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/RegisterView.h"
#include "host/SampleData.h"
#include "host/Ui.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"
#include "registration/DrawingEntryFileInfo.h"

namespace host {

namespace {

// Registers one received file as a person would: through EntryFile and its dialog. A file
// whose name already follows the naming rule brings its own fields; the others are preset.
bool Register(const CEnvironObj& env, CDrawingManager& manager, CStdDraftMgr& draft,
              EntryDriver& driver, const SampleData& data, const SampleFile& file) {
  const CString source = afx::FromUtf8(data.source + "/" + file.name);
  const CString folder = afx::FromUtf8(data.root + "/" + file.folder);
  driver.StartFile();
  CDrawingFile probe;
  CDrawingManager::SetInfoFromFileName(afx::FromUtf8(file.name), probe, env, &draft);
  if (probe.GetTypeInfo().no >= 0) return manager.EntryFile(source, folder, &draft, nullptr);
  DrawingEntryFileInfo info;
  const CStdTreeElm* type = draft.SrchElm(file.type.c_str());
  if (type) {
    info.fieldNo = type->GetFieldNo();
    info.no = type->GetNo();
    info.code = type->GetFnameString();
  }
  info.path = source;
  info.life = file.life.c_str();
  info.arrangement = file.ref.c_str();
  info.page = file.page.c_str();
  info.history = file.rev.c_str();
  return manager.EntryFile(info, folder, &draft, nullptr);
}

}  // namespace

int RunDemo(const CommandLine& line) {
  const std::string parent =
      line.args.empty() ? std::filesystem::temp_directory_path().string() : line.args[0];
  SampleData data;
  std::string error;
  if (!MakeSampleData(parent, data, error)) {
    Complain(error);
    return 1;
  }
  std::cout << "sample drawing root: " << data.root << "\n"
            << "received files:      " << data.source << "\n\n";
  CEnvironObj env;
  env.SetPath(CEnvironObj::kDrawingRoot, afx::FromUtf8(data.root));
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  CStdDraftMgr draft;
  EntryAnswers answers;
  answers.yes = true;
  EntryDriver driver(answers, draft);
  UiSession ui(line, &driver);
  std::cout << (ui.Interactive()
                    ? "registering through the dialogs on screen\n\n"
                    : "no display: the dialogs are answered with the sample's fields\n\n");
  int failed = 0;
  for (const SampleFile& file : data.files) {
    const bool ok = Register(env, manager, draft, driver, data, file);
    std::cout << (ok ? "registered " : "NOT registered ") << file.name << " -> " << file.folder
              << "\n";
    failed += ok ? 0 : 1;
  }
  std::cout << "\n" << TreeText(env, manager, true);
  return failed ? 1 : 0;
}

}  // namespace host
