#include "hostlibs/stddraft/SelZumenType.h"

#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CSelZumenTypeDialog.h"
#include "hostlibs/stddraft/StdDraftResources.h"

int SelZumenType(CStdDraftMgr* mgr, CWnd* parent, SelZumenTypeInfo* info) {
  if (!mgr || !info) return 0;
  int field = -1, no = -1;
  {
    // Our template is searched first while the dialog is open, whichever library's module
    // the caller made current.
    CSetInstance resources(&StdDraftResources());
    CSelZumenTypeDialog dialog(mgr, parent);
    if (dialog.DoModal() != IDOK) return 0;
    field = dialog.GetFieldNo();
    no = dialog.GetNo();
  }
  if (!mgr->GetElm(field, no)) return 0;
  mgr->SetCurSel(field, no);
  info->fieldNo = field;
  info->no = no;
  info->name = mgr->GetElmName(field, no, '-');
  return 1;
}
