#include "host/Config.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "hostlibs/environ/CEnvironObj.h"

namespace host {

namespace {

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

void ReadConfigFile(Paths& paths) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string dir = xdg && *xdg ? xdg : (home ? std::string(home) + "/.config" : "");
  if (dir.empty()) return;
  std::ifstream in(dir + "/drawreg/config");
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (key == "root" && paths.root.empty()) paths.root = value;
    if (key == "templates" && paths.templates.empty()) paths.templates = value;
  }
}

}  // namespace

Paths ResolvePaths(const CommandLine& line) {
  Paths paths;
  paths.root = line.Value("root").value_or("");
  paths.templates = line.Value("templates").value_or("");
  if (const char* v = std::getenv("DRAWREG_ROOT"); v && paths.root.empty()) paths.root = v;
  if (const char* v = std::getenv("DRAWREG_TEMPLATE_BASE"); v && paths.templates.empty()) {
    paths.templates = v;
  }
  if (paths.root.empty() || paths.templates.empty()) ReadConfigFile(paths);
  return paths;
}

std::string AbsolutePath(const std::string& path) {
  std::string p = std::filesystem::absolute(path).lexically_normal().string();
  while (p.size() > 1 && p.back() == '/')
    p.pop_back();
  return p;
}

void ApplyPaths(const Paths& paths, CEnvironObj& env) {
  env.SetPath(CEnvironObj::kDrawingRoot, afx::FromUtf8(paths.root));
  env.SetPath(CEnvironObj::kTemplateBase, afx::FromUtf8(paths.templates));
}

}  // namespace host
