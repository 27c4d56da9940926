// TovoTemplateList: the template files a user can pick from, found in the folder TOVO/TEMPLATE
// under the environment's template base: first the user templates (".TFT"), then the standard
// templates (".@FT"). Listing opens no file; an entry's display name is its file name without
// the extension.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/Exceptions.h"
#include "hostlibs/environ/CEnvironObj.h"

class TovoTemplateList {
 public:
  // The environment is kept, not owned; it must outlive the list.
  explicit TovoTemplateList(const CEnvironObj* env) : env_(env) {}
  virtual ~TovoTemplateList() { Clear(); }

  // Rebuilds the list from disk; returns the number of files listed (0 when the template
  // folder does not exist).
  int LoadList();
  int GetCnt() const { return paths_.GetSize(); }
  // The full path, the file name and the display name of entry i. An index outside the list
  // raises CInvalidArgException.
  CString GetPathName(int i);
  CString GetFileName(int i);
  CString GetDispName(int i);
  void Clear() { paths_.RemoveAll(); }

 private:
  CString TemplateFolder() const;

  const CEnvironObj* env_;
  CStringArray paths_;
};
