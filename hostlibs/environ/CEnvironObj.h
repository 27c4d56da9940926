// CEnvironObj: the host's environment object. Its owner sets where each path id leads;
// the library asks it for paths and for path joining, splitting and existence tests, and for
// the edition of the naming rule by which the register composes deliverable file names.
#pragma once

#include <map>

#include "framework/CString.h"
#include "hostlibs/environ/NamingEdition.h"

class CEnvironObj {
 public:
  static constexpr unsigned long kDrawingRoot = 0x03130000;
  static constexpr unsigned long kTemplateBase = 0x02050000;

  // Sets what GetPath(id) returns; a trailing separator is dropped.
  void SetPath(unsigned long id, const CString& path);
  // The path set for id, or "" when none was set.
  CString GetPath(unsigned long id) const;

  // The naming rule's edition of the register; 2004 until the owner sets another.
  void SetNaming(NamingEdition edition) { naming_ = edition; }
  NamingEdition GetNaming() const { return naming_; }

  // path becomes path, one separator, name.
  void AddFileName(CString& path, const CString& name) const;
  // Less than 0: nothing there; 0: a file; greater than 0: a directory.
  int IsExist(const CString& path) const;
  // Creates the folder and every missing folder above it; 1 when it exists afterwards.
  int CreateDir(const CString& path, int recursive) const;

  // The last component of a separated path.
  CString GetFileNameFromRelativePath(const CString& path) const;
  // All before the last separator; "" for one component.
  CString GetDirNameFromRelativePath(const CString& path) const;
  // The name without its extension.
  CString GetBaseNameFromFileName(const CString& name) const;
  // The extension with its dot, or "" when the name has none.
  CString GetExtNameFromFileName(const CString& name) const;

 private:
  std::map<unsigned long, CString> paths_;
  NamingEdition naming_ = NamingEdition::k2004;
};
