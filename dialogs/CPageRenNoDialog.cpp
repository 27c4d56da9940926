#include "dialogs/CPageRenNoDialog.h"

#include <algorithm>

#include "dialogs/DialogResources.h"

using namespace drawreg;

IMPLEMENT_DYNAMIC(CPageRenNoDialog, CDialog)

BEGIN_MESSAGE_MAP(CPageRenNoDialog, DialogBase)
ON_BN_CLICKED(IDC_DIRECTION_PLUS, OnDirection)
ON_BN_CLICKED(IDC_DIRECTION_MINUS, OnDirection)
END_MESSAGE_MAP()

CPageRenNoDialog::CPageRenNoDialog(int count, int* start, int* step, CWnd* parent)
    : DialogBase(IDD_PAGE_REN_NO, parent), count_(count), start_(start), step_(step) {}

void CPageRenNoDialog::StartRange(int count, bool up, int* low, int* high) {
  *low = up ? 1 : count;
  *high = up ? 1000 - count : 999;
}

void CPageRenNoDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_START_NUMBER, start_edit_);
}

bool CPageRenNoDialog::Upwards() const {
  return GetCheckedRadioButton(IDC_DIRECTION_PLUS, IDC_DIRECTION_MINUS) == IDC_DIRECTION_PLUS;
}

void CPageRenNoDialog::ShowRange(int value) {
  int low = 0;
  int high = 0;
  StartRange(count_, Upwards(), &low, &high);
  start_edit_.SetInt(std::clamp(value, low, std::max(low, high)), low, high);
  CString range;
  range.Format(CString(u8"（%d ～ %d）"), low, high);
  SetDlgItemText(IDC_START_RANGE, range);
}

BOOL CPageRenNoDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  CheckRadioButton(IDC_DIRECTION_PLUS, IDC_DIRECTION_MINUS,
                   *step_ <= 0 ? IDC_DIRECTION_MINUS : IDC_DIRECTION_PLUS);
  ShowRange(*start_);
  return TRUE;
}

void CPageRenNoDialog::OnDirection() {
  ShowRange(start_edit_.GetInt());
}

void CPageRenNoDialog::OnOK() {
  const CWnd* focus = GetFocus();
  if (focus && focus->GetDlgCtrlID() == IDOK) {
    *start_ = start_edit_.GetInt();
    *step_ = Upwards() ? 1 : -1;
  }
  DialogBase::OnOK();
}
