#include "host/Config.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "framework/CStdioFile.h"
#include "host/CommandLine.h"
#include "host/Text.h"

namespace host {

namespace {

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The config file's name, or "" when neither XDG_CONFIG_HOME nor HOME says where it is.
std::string ConfigFileName(std::string& from) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (xdg && *xdg) {
    from = "XDG_CONFIG_HOME";
    return std::string(xdg) + "/drawreg/config";
  }
  if (home && *home) {
    from = "HOME";
    return std::string(home) + "/.config/drawreg/config";
  }
  return "";
}

std::string OpenFailure(const CFileException& e) {
  if (e.m_cause == CFileException::notRegularFile) {
    return "not a regular file (a link, FIFO, device or directory is never read)";
  }
  return e.m_lOsError ? std::strerror(e.m_lOsError) : "cannot be opened";
}

// Reads the config file's lines; a missing file configures nothing.
void ReadConfigFile(Paths& paths) {
  std::string from;
  const std::string name = ConfigFileName(from);
  if (name.empty()) return;
  // Read through the framework's file, which opens only a regular file and never waits on a
  // FIFO or device put in its place.
  const CString path = ToCodePage(name, from + " (the config file's folder)");
  CStdioFile file;
  CFileException error(CFileException::none, 0, path);
  if (!file.Open(path,
                 CFile::modeRead | CFile::shareDenyNone | CFile::typeText | CFile::modeFollowLink,
                 &error)) {
    if (error.m_cause == CFileException::fileNotFound) return;
    throw UsageError("config file " + Printable(name) + ": " + OpenFailure(error));
  }
  CString line;
  try {
    for (int number = 1; file.ReadString(line); ++number) {
      const std::string text = line.Bytes();  // the config file is UTF-8
      const size_t eq = text.find('=');
      if (text.empty() || text[0] == '#' || eq == std::string::npos) continue;
      const std::string key = Trim(text.substr(0, eq));
      const GivenPath value{Trim(text.substr(eq + 1)),
                            Printable(name) + ":" + std::to_string(number)};
      if (key == "root" && paths.root.empty()) paths.root = value;
      if (key == "templates" && paths.templates.empty()) paths.templates = value;
    }
  } catch (const CFileException& e) {
    throw UsageError("config file " + Printable(name) + ": " + std::strerror(e.m_lOsError));
  }
}

GivenPath FromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? GivenPath{value, variable} : GivenPath{};
}

}  // namespace

CString GivenPath::Absolute() const {
  return ToCodePage(AbsolutePath(path), from);
}

Paths ResolvePaths(const GlobalOptions& options) {
  Paths paths;
  if (!options.root.empty()) paths.root = {options.root, "--root"};
  if (!options.templates.empty()) paths.templates = {options.templates, "--templates"};
  if (paths.root.empty()) paths.root = FromEnvironment("DRAWREG_ROOT");
  if (paths.templates.empty()) paths.templates = FromEnvironment("DRAWREG_TEMPLATE_BASE");
  if (paths.root.empty() || paths.templates.empty()) ReadConfigFile(paths);
  return paths;
}

std::string AbsolutePath(const std::string& path) {
  std::string p = std::filesystem::absolute(path).lexically_normal().string();
  while (p.size() > 1 && p.back() == '/')
    p.pop_back();
  return p;
}

}  // namespace host
