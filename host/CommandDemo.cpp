// drawreg demo: the main job on sample data. Makes a sample drawing root with received CAD
// files, registers them into the register's folders and prints the register.
#include <filesystem>
#include <iostream>

#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/LockWait.h"
#include "host/NameFields.h"
#include "host/RegisterSession.h"
#include "host/RegisterView.h"
#include "host/Report.h"
#include "host/SampleData.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "registration/DrawingEntryFileInfo.h"

namespace host {

namespace {

// Registers one received file as a person would: through EntryFile and its dialog. A file
// whose name already follows the naming rule brings its own fields; the others are preset.
bool Register(RegisterSession& reg, CStdDraftMgr& draft, EntryDriver& driver,
              const SampleData& data, const SampleFile& file) {
  const CString source = ToCodePage(data.source + "/" + file.name, "DIR");
  const CString folder = ToCodePage(data.root + "/" + file.folder, "DIR");
  driver.StartFile();
  CDrawingFile probe;
  CDrawingManager::SetInfoFromFileName(ToCodePage(file.name, "DIR"), probe, reg.env, &draft);
  if (probe.GetTypeInfo().no >= 0) return reg.manager.EntryFile(source, folder, &draft, nullptr);
  DrawingEntryFileInfo info;
  info.path = source;
  NameFields fields;
  fields.life = CString(file.life.c_str());
  fields.ref = CString(file.ref.c_str());
  fields.type = CString(file.type.c_str());
  fields.page = CString(file.page.c_str());
  fields.rev = CString(file.rev.c_str());
  Preset(info, fields, draft);
  return reg.manager.EntryFile(info, folder, &draft, nullptr);
}

// Where the sample goes: DIR, or the temporary folder the environment names.
std::string SampleParent(const CommandLine& line) {
  if (!line.demo_parent.empty()) {
    ToCodePage(AbsolutePath(line.demo_parent), "DIR");
    return line.demo_parent;
  }
  const std::string temp = std::filesystem::temp_directory_path().string();
  ToCodePage(AbsolutePath(temp), "TMPDIR");
  return temp;
}

}  // namespace

int RunDemo(const CommandLine& line) {
  // Checked before anything is made: the sample's paths are all below it.
  const std::string parent = SampleParent(line);
  SampleData data;
  std::string error;
  if (!MakeSampleData(parent, data, error)) {
    Complain(Printable(error));
    return 1;
  }
  std::cout << "sample drawing root: " << Printable(data.root) << "\n"
            << "received files:      " << Printable(data.source) << "\n\n";
  Paths paths;
  paths.root = {data.root, "DIR"};
  RegisterSession reg(paths);
  CStdDraftMgr draft;
  EntryAnswers answers;
  answers.yes = true;
  EntryDriver driver(answers, draft);
  UiSession ui(line.global.ui, false, &driver);
  std::cout << (ui.Interactive()
                    ? "registering through the dialogs on screen\n\n"
                    : "no display: the dialogs are answered with the sample's fields\n\n");
  int failed = 0;
  for (const SampleFile& file : data.files) {
    const bool ok = Register(reg, draft, driver, data, file);
    std::cout << (ok ? "registered " : "NOT registered ") << file.name << " -> " << file.folder
              << "\n";
    if (!ok) ReportProblem(reg.manager.GetLastProblem());
    failed += ok ? 0 : 1;
  }
  LockWait no_wait(0);
  bool complete = true;
  std::cout << "\n" << TreeText(reg.env, reg.manager, true, no_wait, complete);
  return failed || !complete ? 1 : 0;
}

}  // namespace host
