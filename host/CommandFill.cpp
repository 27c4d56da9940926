#include "host/CommandFill.h"

#include "framework/FileSystem.h"
#include "host/CommandLine.h"
#include "host/Config.h"
#include "host/FieldValues.h"
#include "host/Report.h"
#include "host/Text.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"

namespace host {

namespace {

std::optional<CString> FieldValue(const std::optional<std::string>& value, const char* option) {
  if (!value) return std::nullopt;
  return ToCodePage(*value, option);
}

}  // namespace

void LoadCatalogue(CStdDraftMgr& draft, const std::string& file) {
  if (file.empty()) return;
  if (!draft.Load(ToCodePage(AbsolutePath(file), "--catalogue"))) {
    throw UsageError("--catalogue: " + Printable(draft.GetLastError()));
  }
}

std::vector<CString> SourcePaths(const CommandLine& line) {
  std::vector<CString> paths;
  for (const std::string& file : line.sources)
    paths.push_back(ToCodePage(AbsolutePath(file), "FILE"));
  return paths;
}

std::vector<CString> FileNames(const std::vector<CString>& paths) {
  std::vector<CString> names;
  for (const CString& path : paths)
    names.push_back(path.Mid(path.ReverseFind('/') + 1));
  return names;
}

std::optional<Sheet> ReadSheet(const CommandLine& line, const CStdDraftMgr& draft,
                               NamingEdition edition, const std::vector<CString>& files) {
  if (line.sheet.empty()) return std::nullopt;
  Sheet sheet = Sheet::Read(line.sheet, draft, edition);
  for (const CString& file : sheet.Match(files))
    Complain(Printable(file) + ": no row in the sheet; its fields are left as they are");
  return sheet;
}

EntryAnswers AnswersFrom(const CommandLine& line, const CStdDraftMgr& draft, const Sheet* sheet,
                         std::optional<size_t> drawings) {
  const FieldOptions& f = line.fields;
  if (f.type) {
    if (const std::string why = CheckType(*f.type, draft); !why.empty()) {
      throw UsageError("--type: " + why);
    }
  }
  if (line.number) {
    const std::string why =
        CheckNumberingRange(*line.number, line.count_down, drawings.value_or(line.sources.size()));
    if (!why.empty()) throw UsageError("--number: " + why);
  }
  EntryAnswers answers;
  answers.fields.life = FieldValue(f.life, "--life");
  answers.fields.ref = FieldValue(f.ref, "--ref");
  answers.fields.type = FieldValue(f.type, "--type");
  answers.fields.page = FieldValue(f.page, "--page");
  answers.fields.rev = FieldValue(f.rev, "--rev");
  answers.number = line.number;
  answers.count_down = line.count_down;
  answers.sheet = sheet;
  answers.yes = line.yes;
  answers.wait_seconds = line.wait_seconds;
  return answers;
}

bool Presets(const EntryAnswers& answers) {
  return !answers.fields.Empty() || answers.number || answers.sheet;
}

bool SourcesAreFiles(const std::vector<CString>& paths) {
  bool all = true;
  for (const CString& path : paths) {
    const afx::PathKind kind = afx::GetPathKind(path);
    if (kind == afx::PathKind::file) continue;
    Complain(Printable(path) +
             (kind == afx::PathKind::missing ? ": no such file" : ": a directory, not a file"));
    all = false;
  }
  return all;
}

}  // namespace host
