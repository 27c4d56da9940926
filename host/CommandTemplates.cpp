// drawreg template list, drawreg template show FILE and drawreg linkbox show FILE: the
// template family's files as the library reads them, as text or as JSON.
#include <iostream>
#include <nlohmann/json.hpp>
#include <vector>

#include "framework/FileSystem.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/Json.h"
#include "host/Report.h"
#include "host/TemplateFiles.h"
#include "host/TemplateView.h"
#include "host/Text.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "templates/TovoTemplateList.h"

namespace host {

namespace {

// The template base, checked: a base that is not there would look like no templates at all.
CString TemplateBase(const GlobalOptions& options) {
  const Paths paths = ResolvePaths(options);
  if (paths.templates.empty()) {
    throw UsageError(
        "no template base: give --templates, set DRAWREG_TEMPLATE_BASE or write templates = DIR "
        "in the config file");
  }
  const CString base = paths.templates.Absolute();
  if (afx::GetPathKind(base) != afx::PathKind::directory) {
    throw UsageError(paths.templates.from + ": " + Printable(base) + " is not a directory");
  }
  return base;
}

// A file the user names, in code page 932.
CString GivenFile(const std::string& file) {
  return ToCodePage(AbsolutePath(file), "FILE");
}

bool IsStandardTemplate(const CString& file_name) {
  return file_name.GetLength() >= 4 && file_name.Right(4).CompareNoCase(".@FT") == 0;
}

// Prints a file's JSON view; a name in it without an exact UTF-8 form fails the output,
// naming the file.
template <typename View>
int PrintJsonOf(const CString& path, View view) {
  try {
    PrintJson(view());
  } catch (const UnconvertibleText& e) {
    Complain(Printable(path) + ": " + e.what());
    return 1;
  }
  return 0;
}

}  // namespace

int RunTemplateList(const CommandLine& line) {
  CEnvironObj env;
  env.SetPath(CEnvironObj::kTemplateBase, TemplateBase(line.global));
  TovoTemplateList list(&env);
  const int count = list.LoadList();
  std::vector<ListedTemplate> templates;
  bool all_read = true;
  for (int i = 0; i < count; ++i) {
    ListedTemplate entry;
    entry.path = list.GetPathName(i);
    entry.file_name = list.GetFileName(i);
    entry.standard = IsStandardTemplate(entry.file_name);
    if (const auto tmpl = ReadTemplate(entry.path, entry.problem)) {
      entry.readable = true;
      entry.name = tmpl->Name();
    } else {
      Complain(entry.problem);
      all_read = false;
    }
    templates.push_back(entry);
  }
  CString folder = env.GetPath(CEnvironObj::kTemplateBase);
  env.AddFileName(folder, "TOVO");
  env.AddFileName(folder, "TEMPLATE");
  if (line.json) {
    if (PrintJsonOf(folder, [&] { return TemplateListJson(folder, templates); })) return 1;
  } else {
    std::cout << TemplateListText(templates);
  }
  return all_read ? 0 : 1;
}

int RunTemplateShow(const CommandLine& line) {
  const CString path = GivenFile(line.file);
  std::string problem;
  const auto tmpl = ReadTemplate(path, problem);
  if (!tmpl) {
    Complain(problem);
    return 1;
  }
  if (line.json) return PrintJsonOf(path, [&] { return TemplateJson(path, *tmpl); });
  std::cout << TemplateText(*tmpl);
  return 0;
}

int RunLinkBoxShow(const CommandLine& line) {
  const CString path = GivenFile(line.file);
  std::string problem;
  const auto box = ReadLinkBox(path, problem);
  if (!box) {
    Complain(problem);
    return 1;
  }
  if (line.json) return PrintJsonOf(path, [&] { return LinkBoxJson(path, *box); });
  std::cout << LinkBoxText(*box);
  return 0;
}

}  // namespace host
