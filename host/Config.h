// Where the program's register and templates are: from the command line, the environment
// (DRAWREG_ROOT, DRAWREG_TEMPLATE_BASE) or the config file $XDG_CONFIG_HOME/drawreg/config
// (lines "root = PATH" and "templates = PATH"), in that order.
#pragma once

#include <string>

#include "framework/CString.h"

namespace host {

struct GlobalOptions;

// A path the program was given, and where it came from, to name in messages.
struct GivenPath {
  std::string path;  // UTF-8, as given; empty when not configured
  std::string from;  // printable: "--root", "DRAWREG_ROOT", "/home/u/.config/drawreg/config:3"

  bool empty() const { return path.empty(); }
  // The absolute, normalized path in code page 932, without a trailing '/'. Throws UsageError
  // naming where it came from when the code page cannot hold it.
  CString Absolute() const;
};

struct Paths {
  GivenPath root;       // the drawing root
  GivenPath templates;  // the base of TOVO/TEMPLATE
};

// Reads the config file only when the command line and the environment leave a path open.
// Throws UsageError when the config file cannot be used (not a regular file, unreadable).
Paths ResolvePaths(const GlobalOptions& options);

// The absolute, normalized form of a UTF-8 path, without a trailing '/'.
std::string AbsolutePath(const std::string& path);

}  // namespace host
