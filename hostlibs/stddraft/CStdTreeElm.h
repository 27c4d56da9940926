// CStdTreeElm: one drawing type of the catalogue. A type is addressed by its field number and
// its number inside the field; its 2-character code is what goes into a deliverable file name.
#pragma once

#include "framework/CString.h"

class CStdTreeElm {
 public:
  CStdTreeElm(int field, int no, const CString& code, const CString& name)
      : field_(field), no_(no), code_(code), name_(name) {}
  CStdTreeElm(const CStdTreeElm&) = delete;
  CStdTreeElm& operator=(const CStdTreeElm&) = delete;

  int GetFieldNo() const { return field_; }
  int GetNo() const { return no_; }
  // The 2-character code, e.g. "PL".
  CString GetFnameString() const { return code_; }
  // The type's own name (e.g. 平面図), without its field.
  CString GetName() const { return name_; }

 private:
  int field_;
  int no_;
  CString code_;
  CString name_;
};
