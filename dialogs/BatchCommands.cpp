#include "dialogs/BatchCommands.h"

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CPageRenNoDialog.h"
#include "dialogs/ChooseDrawingType.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DialogResources.h"
#include "hostlibs/dlgbase/BitButton.h"
#include "hostlibs/reslib/CSetInstance.h"
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
  DrawingTypeInfo type;
  CString name;
  if (!ChooseDrawingType(draft, dialog, (*rows)[row]->GetTypeInfo(), type, name)) return;
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

void ShowSelectAllPicture(BitButton& button) {
  ButtonDef def{};
  def.up = ResLibBitmap(IDB_SELECT_ALL);
  def.down = ResLibBitmap(IDB_SELECT_ALL);
  button.SetButtonDef(def, 1, 1);
}

void ShowRegisteredFiles(const CEnvironObj* env, CDrawingFolder* folder, CWnd* dialog) {
  CSetInstance guard(ResourceModule());
  CDrawingFilesDialog files(env, folder, dialog);
  files.DoModal();
}

bool FocusIsOnOK(const CDialog& dialog) {
  const CWnd* focus = dialog.GetFocus();
  return focus && focus->GetDlgCtrlID() == IDOK;
}

void AppendCopies(const TVector<CDrawingFile*>& records, TVector<CDrawingFile*>& copies) {
  for (int i = 0; i < records.GetCnt(); ++i)
    copies.Append(new CDrawingFile(*records[i]));
}

void DeleteCopies(TVector<CDrawingFile*>& copies) {
  for (int i = 0; i < copies.GetCnt(); ++i)
    delete copies[i];
  copies.Resize(0);
}

void WriteBack(const TVector<CDrawingFile*>& copies, TVector<CDrawingFile*>& records) {
  for (int i = 0; i < records.GetCnt() && i < copies.GetCnt(); ++i)
    *records[i] = *copies[i];
}

}  // namespace drawreg
