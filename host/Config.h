// Where the program's register and templates are: from the command line, the environment
// (DRAWREG_ROOT, DRAWREG_TEMPLATE_BASE) or the config file $XDG_CONFIG_HOME/drawreg/config
// (lines "root = PATH" and "templates = PATH"), in that order.
#pragma once

#include <string>

#include "host/Options.h"

class CEnvironObj;

namespace host {

struct Paths {
  std::string root;       // the drawing root, UTF-8; empty when not configured
  std::string templates;  // the base of TOVO/TEMPLATE, UTF-8; empty when not configured
};

Paths ResolvePaths(const CommandLine& line);
// The absolute, normalized form of a path given on the command line, without a trailing '/'.
std::string AbsolutePath(const std::string& path);

// Sets the environment's two paths (converted to code page 932).
void ApplyPaths(const Paths& paths, CEnvironObj& env);

}  // namespace host
