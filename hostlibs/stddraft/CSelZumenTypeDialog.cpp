#include "hostlibs/stddraft/CSelZumenTypeDialog.h"

#include "hostlibs/stddraft/StdDraftResourceIds.h"

BEGIN_MESSAGE_MAP(CSelZumenTypeDialog, CDialog)
ON_CBN_SELCHANGE(IDC_SELZUMENTYPE_FIELD, OnFieldChange)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SELZUMENTYPE_TYPES, OnTypeChange)
END_MESSAGE_MAP()

CSelZumenTypeDialog::CSelZumenTypeDialog(const CStdDraftMgr* mgr, CWnd* parent)
    : CDialog(IDD_SELZUMENTYPE, parent), mgr_(mgr) {}

void CSelZumenTypeDialog::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_SELZUMENTYPE_FIELD, fields_);
  DDX_Control(dx, IDC_SELZUMENTYPE_TYPES, types_);
}

BOOL CSelZumenTypeDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  types_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  types_.InsertColumn(0, CString(u8"記号"), LVCFMT_LEFT, 48);
  types_.InsertColumn(1, CString(u8"図面種類"), LVCFMT_LEFT, 240);
  for (int i = 0; i < mgr_->GetFieldCnt(); ++i)
    fields_.AddString(mgr_->GetFieldName(mgr_->GetFieldNoAt(i)));

  // An unset or unknown current selection opens on the first field with no type picked, so
  // that OK cannot confirm a type the user never chose.
  const CStdTreeElm* current = mgr_->GetCurElm();
  int index = 0;
  for (int i = 0; current && i < mgr_->GetFieldCnt(); ++i) {
    if (mgr_->GetFieldNoAt(i) == current->GetFieldNo()) index = i;
  }
  ShowField(index);
  if (current) SelectType(current->GetNo());
  GotoDlgCtrl(&types_);
  return FALSE;  // the focus is set
}

void CSelZumenTypeDialog::ShowField(int index) {
  fields_.SetCurSel(index);
  field_ = mgr_->GetFieldNoAt(index);
  types_.DeleteAllItems();
  for (int i = 0; i < mgr_->GetElmCnt(field_); ++i) {
    const CStdTreeElm* elm = mgr_->GetElmAt(field_, i);
    types_.InsertItem(i, elm->GetFnameString());
    types_.SetItemText(i, 1, elm->GetName());
    types_.SetItemData(i, static_cast<DWORD_PTR>(elm->GetNo()));
  }
  chosen_no_ = -1;
  UpdateOkButton();
}

void CSelZumenTypeDialog::SelectType(int no) {
  for (int row = 0; row < types_.GetItemCount(); ++row) {
    const bool hit = types_.GetItemData(row) == static_cast<DWORD_PTR>(no);
    types_.SetItemState(row, hit ? LVIS_SELECTED : 0, LVIS_SELECTED);
    if (hit) chosen_no_ = no;
  }
  UpdateOkButton();
}

void CSelZumenTypeDialog::UpdateOkButton() {
  if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(chosen_no_ >= 0);
}

void CSelZumenTypeDialog::OnFieldChange() {
  const int index = fields_.GetCurSel();
  if (index >= 0) ShowField(index);
}

void CSelZumenTypeDialog::OnTypeChange(NMHDR*, LRESULT*) {
  const int row = types_.GetNextItem(-1, LVNI_SELECTED);
  chosen_no_ = row < 0 ? -1 : static_cast<int>(types_.GetItemData(row));
  UpdateOkButton();
}

void CSelZumenTypeDialog::OnOK() {
  // Enter with no type picked keeps the dialog open, as the disabled OK button does.
  if (chosen_no_ < 0) return;
  CDialog::OnOK();
}
