#include "host/CheckReport.h"

#include <nlohmann/json.hpp>

#include "framework/FileSystem.h"
#include "host/Csv.h"
#include "host/Text.h"

namespace host {

namespace {

// A name for a script or a sheet: its UTF-8 as it is, or escaped when it has none.
std::string ScriptText(const CString& text) {
  std::string utf8;
  return afx::TryToUtf8(text, utf8) ? utf8 : Printable(text);
}

// The path of the problem's file, or of its folder when it is about the folder.
CString ProblemPath(const CheckProblem& problem) {
  if (problem.file.IsEmpty()) return problem.folder;
  return problem.folder + CString(std::string(1, kPathSeparator)) + problem.file;
}

}  // namespace

std::string CheckLines(const std::vector<CheckProblem>& problems) {
  std::string out;
  for (const CheckProblem& problem : problems)
    out += Printable(ProblemPath(problem)) + ": " + problem.message + "\n";
  return out;
}

nlohmann::ordered_json CheckJson(const CString& root, int folders,
                                 const std::vector<CheckProblem>& problems) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const CheckProblem& p : problems) {
    nlohmann::ordered_json item = {{"kind", KindKey(p.kind)},
                                   {"folder", ScriptText(p.folder)},
                                   {"file", ScriptText(p.file)},
                                   {"message", p.message}};
    if (p.line > 0) item["line"] = p.line;
    list.push_back(std::move(item));
  }
  return {{"root", ScriptText(root)}, {"folders", folders}, {"problems", std::move(list)}};
}

std::string CheckSheet(const std::vector<CheckProblem>& problems) {
  CsvWriter sheet;
  sheet.Row({"kind", "folder", "file", "line", "problem"});
  for (const CheckProblem& p : problems) {
    sheet.Row({KindKey(p.kind), ScriptText(p.folder), ScriptText(p.file),
               p.line > 0 ? std::to_string(p.line) : "", p.message});
  }
  return sheet.Utf8Sheet();
}

}  // namespace host
