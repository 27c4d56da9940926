// A drawing root in a temporary folder, with an environment that points at it.
#pragma once

#include <sys/stat.h>

#include <string>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"
#include "support/Files.h"
#include "support/TempDir.h"

class TestRegister {
 public:
  TestRegister() { env.SetPath(CEnvironObj::kDrawingRoot, dir.Path()); }

  // Creates a directory below the root ("A/B") and returns its full path.
  CString MakeDir(const CString& relative) {
    const CString path = dir.Path() + "/" + relative;
    afx::CreateDirectories(path);
    return path;
  }
  // Creates a file below the root with some bytes and returns its full path.
  CString MakeFile(const CString& relative, const std::string& bytes = "drawing") {
    const CString path = dir.Path() + "/" + relative;
    WriteBytes(path, bytes);
    return path;
  }
  CString Path(const CString& relative) const { return dir.Path() + "/" + relative; }

  static CDrawingFile Record(const CString& name) {
    CDrawingFile f;
    f.Name(name);
    return f;
  }
  // The record D0PL001Z for a source file name: life D, reference 0, type PL, number 001,
  // revision Z, in the given edition of the naming rule.
  static CDrawingFile Drawing(const CString& name, NamingEdition edition = NamingEdition::k2004) {
    CDrawingFile f = Record(name);
    f.Naming(edition);
    f.Life("D");
    f.SetTypeInfo({0, 1, "PL"});
    f.History("Z");
    return f;
  }

  TempDir dir;
  CEnvironObj env;
};
