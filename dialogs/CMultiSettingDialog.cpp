#include "dialogs/CMultiSettingDialog.h"

#include "dialogs/BatchCommands.h"
#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DialogResources.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/reslib/ResLibBitmap.h"
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
  // The rows show and check names in the register's edition, whoever made the records.
  for (int i = 0; records && i < records->GetCnt(); ++i) {
    auto* copy = new CDrawingFile(*(*records)[i]);
    if (env) copy->Naming(env->GetNaming());
    copies_->Append(copy);
  }
  sheet_ = new CMultiSettingSheet(copies_, env, draft, this, kTextHeight);
}

CMultiSettingDialog::~CMultiSettingDialog() {
  for (int i = 0; i < copies_->GetCnt(); ++i)
    delete (*copies_)[i];
  delete copies_;
  delete sheet_;
}

void CMultiSettingDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_SELECT_ALL, select_all_);
  // The sheet takes the list box over: from here on the grid shows and handles it.
  DDX_Control(dx, IDC_SHEET, *sheet_);
}

BOOL CMultiSettingDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  ButtonDef def{};
  def.up = ResLibBitmap(IDB_SELECT_ALL);
  def.down = ResLibBitmap(IDB_SELECT_ALL);
  select_all_.SetButtonDef(def, 1, 1);
  return TRUE;
}

void CMultiSettingDialog::OnSelectAll() {
  SelectAllRows(*sheet_);
}

void CMultiSettingDialog::OnTypeSelect() {
  ChooseTypeOfMarkedRows(*sheet_, draft_, this);
}

void CMultiSettingDialog::OnRegisteredList() {
  CSetInstance guard(drawreg::ResourceModule());
  CDrawingFilesDialog files(env_, folder_, this);
  files.DoModal();
}

void CMultiSettingDialog::OnPageRenNo() {
  NumberMarkedRows(*sheet_, this);
}

void CMultiSettingDialog::OnOK() {
  const CWnd* focus = GetFocus();
  if (!focus || focus->GetDlgCtrlID() != IDOK) {
    DialogBase::OnOK();
    return;
  }
  if (!sheet_->CheckSetting(records_, folder_)) {
    GotoDlgCtrl(sheet_);
    return;
  }
  for (int i = 0; i < records_->GetCnt() && i < copies_->GetCnt(); ++i)
    *(*records_)[i] = *(*copies_)[i];
  DialogBase::OnOK();
}
