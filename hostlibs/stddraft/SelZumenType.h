// SelZumenType: the modal selection of a drawing type. It opens on the catalogue's current
// selection (CStdDraftMgr::SetCurSel) and shows the fields in a drop-down list and the types
// of the chosen field in a list. Confirming returns nonzero, fills info with the chosen type
// and its display text ("field-type") and makes it the catalogue's current selection;
// cancelling returns 0 and changes nothing.
#pragma once

#include "framework/CString.h"
#include "framework/ui/CWnd.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/StdDraftResourceIds.h"

struct SelZumenTypeInfo {
  int fieldNo = 0;
  int no = 0;
  CString name;
};

int SelZumenType(CStdDraftMgr* mgr, CWnd* parent, SelZumenTypeInfo* info);
