// DrawingEntryFileInfo: one file to register, with name fields the host already knows.
#pragma once

#include "framework/CString.h"

struct DrawingEntryFileInfo {
  int fieldNo = -1;     // drawing type: field in the catalogue; negative when unset
  int no = -1;          // drawing type: number within the field; negative when unset
  CString code;         // drawing type: the two-character code
  CString path;         // full path of the source file
  CString life;         // "S", "D", "C" or "M"
  CString arrangement;  // reference number, 0-9 or A-Z
  CString page;         // drawing number, 1 to 3 digits, 1-999
  CString history;      // revision, 0-9 or A-Z
  CString title;        // the 2017 naming edition's user-defined part; empty for none
};
