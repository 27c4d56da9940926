// CStdDraftMgr: the host's drawing-type catalogue. It starts with the built-in sample catalogue
// and can load a user's catalogue file instead (see StdDraftFileReader for the format). The
// registration operations use it to recognise a type code in a file name, to show a type's
// name and, through SelZumenType, to let the user pick a type.
#pragma once

#include "framework/CString.h"
#include "hostlibs/stddraft/CStdTreeElm.h"
#include "hostlibs/stddraft/StdDraftCatalogue.h"

class CStdDraftMgr {
 public:
  // Holds the built-in sample catalogue.
  CStdDraftMgr();
  CStdDraftMgr(const CStdDraftMgr&) = delete;
  CStdDraftMgr& operator=(const CStdDraftMgr&) = delete;

  // Replaces the catalogue with the one in a catalogue file; 1 on success. On failure it
  // returns 0, keeps the catalogue it had and GetLastError tells what was wrong and where.
  // After a successful load the current selection is unset, and elements obtained before
  // are gone.
  int Load(const CString& path);
  // What the last failed Load found wrong, e.g. "roads.txt:7: the code ..."; "" after success.
  CString GetLastError() const { return last_error_; }

  // The type whose code is exactly code, or null.
  CStdTreeElm* SrchElm(const char* code) const;
  CStdTreeElm* GetElm(int field, int no) const;
  // The field name, the separator and the type name (e.g. 共通-平面図); empty for an unknown type.
  CString GetElmName(int field, int no, char separator) const;

  // The type the selection opens on; numbers of no type (-1 for an unset one) are kept and
  // leave nothing selected.
  void SetCurSel(int field, int no);
  int GetCurFieldNo() const { return cur_field_; }
  // The type of the current selection (the one just chosen after SelZumenType), or null.
  CStdTreeElm* GetCurElm() const { return GetElm(cur_field_, cur_no_); }

  // The fields in ascending number order, and the types of a field in ascending number order.
  int GetFieldCnt() const { return catalogue_.GetFieldCnt(); }
  int GetFieldNoAt(int index) const { return catalogue_.GetFieldNoAt(index); }
  CString GetFieldName(int field) const { return catalogue_.GetFieldName(field); }
  int GetElmCnt(int field) const { return catalogue_.GetElmCnt(field); }
  CStdTreeElm* GetElmAt(int field, int index) const { return catalogue_.GetElmAt(field, index); }

 private:
  StdDraftCatalogue catalogue_;
  int cur_field_ = -1;
  int cur_no_ = -1;
  CString last_error_;
};
