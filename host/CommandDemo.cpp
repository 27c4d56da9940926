// drawreg demo: the main job on sample data. Makes a sample drawing root with received CAD
// files, registers them into the register's folders and prints the register.
#include <filesystem>
#include <iostream>

#include "framework/FileSystem.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/RegisterView.h"
#include "host/SampleData.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"

namespace host {

namespace {

// Registers one received file: copies it into its folder and records its name fields.
bool Register(const CEnvironObj& env, CDrawingManager& manager, CStdDraftMgr& draft,
              const SampleData& data, const SampleFile& file) {
  CDrawingFolder* folder = manager.FindFolder(afx::FromUtf8(data.root + "/" + file.folder));
  if (!folder || !folder->LockFolder(env) || !folder->LoadFiles(env, 1)) return false;
  CDrawingFile record;
  record.Name(afx::FromUtf8(file.name));
  const CStdTreeElm* type = draft.SrchElm(file.type.c_str());
  bool ok = type && record.Life(file.life.c_str()) && record.Arrangement(file.ref.c_str()) &&
            record.Page(file.page.c_str()) && record.History(file.rev.c_str());
  if (ok) record.SetTypeInfo({type->GetFieldNo(), type->GetNo(), type->GetFnameString()});
  CString target = folder->GetFolderPath(env);
  env.AddFileName(target, record.Name(1));
  ok = ok && CopyFileA(afx::FromUtf8(data.source + "/" + file.name), target, FALSE);
  if (ok) folder->AddFile(record);
  ok = ok && folder->SaveFiles(env);
  folder->UnLockFolder();
  return ok;
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
  int failed = 0;
  for (const SampleFile& file : data.files) {
    const bool ok = Register(env, manager, draft, data, file);
    std::cout << (ok ? "registered " : "NOT registered ") << file.name << " -> " << file.folder
              << "\n";
    failed += ok ? 0 : 1;
  }
  std::cout << "\n" << TreeText(env, manager, true);
  return failed ? 1 : 0;
}

}  // namespace host
