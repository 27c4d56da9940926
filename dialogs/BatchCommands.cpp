#include "dialogs/BatchCommands.h"

#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CPageRenNoDialog.h"
#include "dialogs/DialogModule.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "register/CDrawingFile.h"

namespace drawreg {

void SelectAllRows(CMultiSettingSheet& sheet) {
  sheet.SetMarkAll();
  sheet.DrawPage();
}

void ChooseTypeOfMarkedRows(CMultiSettingSheet& sheet, CStdDraftMgr* draft, CWnd* dialog) {
  TVector<CDrawingFile*>* rows = sheet.GetRecords();
  int row = 0;
  int col = 0;
  sheet.GetEditPos(&row, &col);
  const int count = static_cast<int>(sheet.GetRecCnt());
  if (!rows || row < 0 || row >= count || row >= rows->GetCnt()) return;
  const DrawingTypeInfo& current = (*rows)[row]->GetTypeInfo();
  draft->SetCurSel(current.fieldNo, current.no);
  SelZumenTypeInfo info;
  info.fieldNo = current.fieldNo;
  info.no = current.no;
  info.name.Empty();
  if (!SelZumenType(draft, dialog, &info)) return;
  const CStdTreeElm* chosen = draft->GetElm(info.fieldNo, info.no);
  DrawingTypeInfo type;
  type.fieldNo = info.fieldNo;
  type.no = info.no;
  type.code = chosen ? chosen->GetFnameString() : CString();
  for (int r = 0; r < count && r < rows->GetCnt(); ++r) {
    if (sheet.GetMark(r)) (*rows)[r]->SetTypeInfo(type);
  }
  sheet.DrawPage();
}

void NumberMarkedRows(CMultiSettingSheet& sheet, CWnd* dialog) {
  CSetInstance guard(ResourceModule());
  const CString caption(u8"図面番号連番設定");
  const int marked = sheet.GetMarkCnt();
  if (marked < 2) {
    dialog->MessageBox(CString(u8"２つ以上選択してください。"), caption,
                       MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (marked > 999) {
    dialog->MessageBox(CString(u8"選択数が多すぎます。"), caption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  int start = 1;
  int step = 1;
  CPageRenNoDialog numbering(marked, &start, &step, dialog);
  if (numbering.DoModal() != IDOK) return;
  sheet.SetPageRenNo(start, step);
  sheet.SetFocus();
}

}  // namespace drawreg
