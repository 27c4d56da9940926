#include "dialogs/ChooseDrawingType.h"

#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"

bool ChooseDrawingType(CStdDraftMgr* draft, CWnd* parent, const DrawingTypeInfo& current,
                       DrawingTypeInfo& chosen, CString& name) {
  draft->SetCurSel(current.fieldNo, current.no);
  SelZumenTypeInfo info;
  info.fieldNo = current.fieldNo;
  info.no = current.no;
  info.name.Empty();
  if (!SelZumenType(draft, parent, &info)) return false;
  const CStdTreeElm* element = draft->GetElm(info.fieldNo, info.no);
  chosen.fieldNo = info.fieldNo;
  chosen.no = info.no;
  chosen.code = element ? element->GetFnameString() : CString();
  name = info.name;
  return true;
}
