// The register a command works on: the environment with the program's paths, and the manager
// with the tree of folders below the drawing root. Every command sets them up here, so that
// each checks its root and reports a failed load in the same way.
#pragma once

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingManager.h"

namespace host {

struct Paths;

class RegisterSession {
 public:
  // Throws UsageError when there is no drawing root, when it is not a directory the program
  // can read or when a path cannot be held in code page 932.
  explicit RegisterSession(const Paths& paths);
  RegisterSession(const RegisterSession&) = delete;
  RegisterSession& operator=(const RegisterSession&) = delete;

  CEnvironObj env;          // declared first: the manager keeps a pointer to it
  CDrawingManager manager;  // with the folder tree loaded
};

}  // namespace host
