#include "dialogs/CMultiSettingDialog.h"

#include "dialogs/BatchCommands.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/DialogResources.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"

using namespace drawreg;

IMPLEMENT_DYNAMIC(CMultiSettingDialog, CDialog)

BEGIN_MESSAGE_MAP(CMultiSettingDialog, DialogBase)
ON_BN_CLICKED(IDC_SELECT_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_TYPE_SELECT, OnTypeSelect)
ON_BN_CLICKED(IDC_REGISTERED_LIST, OnRegisteredList)
ON_BN_CLICKED(IDC_PAGE_REN_NO, OnPageRenNo)
END_MESSAGE_MAP()

namespace {

// The grid's text height in pixels.
constexpr int kTextHeight = 14;

}  // namespace

CMultiSettingDialog::CMultiSettingDialog(TVector<CDrawingFile*>* records, CDrawingFolder* folder,
                                         const CEnvironObj* env, CStdDraftMgr* draft, CWnd* parent)
    : DialogBase(IDD_MULTI_SETTING, parent),
      records_(records),
      folder_(folder),
      env_(env),
      draft_(draft),
      copies_(new TVector<CDrawingFile*>(8)) {
  if (records) AppendCopies(*records, *copies_);
  // The rows compose their names in the register's edition, whoever made the records.
  for (int i = 0; env && i < copies_->GetCnt(); ++i)
    (*copies_)[i]->Naming(env->GetNaming());
  sheet_ = new CMultiSettingSheet(copies_, env, draft, this, kTextHeight);
}

CMultiSettingDialog::~CMultiSettingDialog() {
  DeleteCopies(*copies_);
  // The sheet shows the copies: it goes first.
  delete sheet_;
  delete copies_;
}

void CMultiSettingDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_SELECT_ALL, select_all_);
  // The sheet takes the list box over: from here on the grid shows and handles it.
  DDX_Control(dx, IDC_SHEET, *sheet_);
}

BOOL CMultiSettingDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  ShowSelectAllPicture(select_all_);
  return TRUE;
}

void CMultiSettingDialog::OnSelectAll() {
  SelectAllRows(*sheet_);
}

void CMultiSettingDialog::OnTypeSelect() {
  ChooseTypeOfMarkedRows(*sheet_, draft_, this);
}

void CMultiSettingDialog::OnRegisteredList() {
  ShowRegisteredFiles(env_, folder_, this);
}

void CMultiSettingDialog::OnPageRenNo() {
  NumberMarkedRows(*sheet_, this);
}

void CMultiSettingDialog::OnOK() {
  if (!FocusIsOnOK(*this)) {
    DialogBase::OnOK();
    return;
  }
  if (!sheet_->CheckSetting(records_, folder_)) {
    GotoDlgCtrl(sheet_);
    return;
  }
  WriteBack(*copies_, *records_);
  DialogBase::OnOK();
}
