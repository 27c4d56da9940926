#include "hostlibs/dlgbase/DialogBase.h"

#include "hostlibs/dlgbase/NumEdit.h"

IMPLEMENT_DYNAMIC(DialogBase, CDialog)

DialogBase::DialogBase(UINT template_id, CWnd* parent) : CDialog(template_id, parent) {}

void DialogBase::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  if (dx->m_pDlgWnd->PeerOf(IDOK)) DDX_Control(dx, IDOK, ok_);
  if (dx->m_pDlgWnd->PeerOf(IDCANCEL)) DDX_Control(dx, IDCANCEL, cancel_);
}

BOOL DialogBase::OnInitDialog() {
  return CDialog::OnInitDialog();
}

void DialogBase::OnOK() {
  const CWnd* focus = GetFocus();
  if (focus && focus->GetDlgCtrlID() != IDOK && focus->GetDlgCtrlID() != IDCANCEL) {
    NextDlgCtrl();
    return;
  }
  CDialog::OnOK();
}

void DialogBase::OnCancel() {
  CDialog::OnCancel();
}
