// TovoTemplateInfo: the data of one template, kept behind TovoTemplate's pointer. It owns
// the top-level folders and deletes them with itself.
#pragma once

#include "framework/CString.h"
#include "templates/TovoItemBuff.h"

class TovoTemplateInfo {
 public:
  TovoTemplateInfo() = default;
  // A deep copy: every folder tree is cloned.
  TovoTemplateInfo(const TovoTemplateInfo& src);
  TovoTemplateInfo& operator=(const TovoTemplateInfo&) = delete;
  virtual ~TovoTemplateInfo() { folders.FreeAllItems(); }

  CString Name;
  CString OutText;
  CString OutProgram;
  CString OutCmdLine;
  TovoItemBuff folders{8};
};
