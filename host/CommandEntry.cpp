// drawreg entry FILE... --to FOLDER: registers files into a folder of the register, one
// after the other, each through the single setting dialog.
#include <iostream>
#include <vector>

#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/FieldValues.h"
#include "host/RegisterSession.h"
#include "host/Report.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"

namespace host {

namespace {

void LoadCatalogue(CStdDraftMgr& draft, const std::string& file) {
  if (file.empty()) return;
  if (!draft.Load(ToCodePage(AbsolutePath(file), "--catalogue"))) {
    throw UsageError("--catalogue: " + Printable(draft.GetLastError()));
  }
}

std::optional<CString> FieldValue(const std::optional<std::string>& value, const char* option) {
  if (!value) return std::nullopt;
  return ToCodePage(*value, option);
}

EntryAnswers Answers(const CommandLine& line, const CStdDraftMgr& draft) {
  const FieldOptions& f = line.fields;
  if (f.type) {
    if (const std::string why = CheckType(*f.type, draft); !why.empty()) {
      throw UsageError("--type: " + why);
    }
  }
  EntryAnswers answers;
  answers.life = FieldValue(f.life, "--life");
  answers.ref = FieldValue(f.ref, "--ref");
  answers.type = FieldValue(f.type, "--type");
  answers.page = FieldValue(f.page, "--page");
  answers.rev = FieldValue(f.rev, "--rev");
  answers.yes = line.yes;
  answers.wait_seconds = line.wait_seconds;
  return answers;
}

}  // namespace

int RunEntry(const CommandLine& line) {
  // Everything given is checked before the first file is registered.
  CStdDraftMgr draft;
  LoadCatalogue(draft, line.catalogue);
  const EntryAnswers answers = Answers(line, draft);
  std::vector<CString> sources;
  for (const std::string& file : line.sources) {
    sources.push_back(ToCodePage(AbsolutePath(file), "FILE"));
  }
  const CString to = ToCodePage(AbsolutePath(line.to), "--to");
  RegisterSession reg(ResolvePaths(line.global));
  EntryDriver driver(answers, draft);
  UiSession ui(line.global.ui, line.yes, &driver);
  int failed = 0;
  std::string last_notes;  // a damaged folder is reported once, not for every file
  for (size_t i = 0; i < sources.size(); ++i) {
    driver.StartFile();
    const int done = reg.manager.EntryFile(sources[i], to, &draft, nullptr);
    std::cout << (done ? "registered " : "not registered ") << Printable(line.sources[i])
              << std::endl;
    if (!done) ReportProblem(reg.manager.GetLastProblem());
    if (const CDrawingFolder* folder = reg.manager.FindFolder(to)) {
      const std::string notes = LoadNotes(reg.env, *folder);
      if (notes != last_notes) std::cerr << notes;
      last_notes = notes;
    }
    failed += done ? 0 : 1;
  }
  return failed ? 1 : 0;
}

}  // namespace host
