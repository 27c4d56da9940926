#include "dialogs/CSingleSettingDialog.h"

#include <cstdlib>

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/ChooseDrawingType.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DialogResources.h"
#include "framework/Decimal.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingFolder.h"

using namespace drawreg;

IMPLEMENT_DYNAMIC(CSingleSettingDialog, CDialog)

BEGIN_MESSAGE_MAP(CSingleSettingDialog, DialogBase)
ON_CBN_SELCHANGE(IDC_LIFE, OnLifeChanged)
ON_CBN_EDITCHANGE(IDC_ARRANGEMENT, OnArrangementEdited)
ON_CBN_SELCHANGE(IDC_ARRANGEMENT, OnArrangementPicked)
ON_CBN_EDITCHANGE(IDC_HISTORY, OnHistoryEdited)
ON_CBN_SELCHANGE(IDC_HISTORY, OnHistoryPicked)
ON_EN_UPDATE(IDC_PAGE, OnPageUpdated)
ON_EN_KILLFOCUS(IDC_PAGE, OnPageLeft)
ON_EN_CHANGE(IDC_TITLE, OnTitleEdited)
ON_BN_CLICKED(IDC_TYPE_BUTTON, OnTypeButton)
ON_BN_CLICKED(IDC_REGISTERED, OnRegisteredButton)
END_MESSAGE_MAP()

namespace {

// The life cycle list's first characters pick the item: C, D and M, anything else S.
int LifeIndex(const CString& life) {
  const char c = life.IsEmpty() ? '\0' : life[0];
  return c == 'C' ? 2 : c == 'D' ? 1 : c == 'M' ? 3 : 0;
}

// Where the controls below the user-defined part go in the 2017 edition, in dialog units,
// and the dialog's height then.
struct Place {
  int id, x, y, w, h;
};
constexpr Place k2017Places[] = {
    {IDC_RULE, 7, 137, 221, 1}, {IDC_PREVIEW_LABEL, 7, 149, 48, 8}, {IDC_PREVIEW, 55, 145, 173, 15},
    {IDOK, 126, 165, 50, 20},   {IDCANCEL, 178, 165, 50, 20},
};
constexpr int kWidth = 235;
constexpr int k2017Height = 192;

void FillCodeList(CComboBox& list) {
  for (char c = '0'; c <= '9'; ++c)
    list.AddString(CString(c));
  for (char c = 'A'; c <= 'Z'; ++c)
    list.AddString(CString(c));
}

}  // namespace

CSingleSettingDialog::CSingleSettingDialog(CDrawingFile* file, CDrawingFolder* folder,
                                           const CEnvironObj* env, CStdDraftMgr* draft,
                                           CWnd* parent)
    : DialogBase(IDD_SINGLE_SETTING, parent),
      file_(file),
      folder_(folder),
      env_(env),
      draft_(draft),
      work_(*file) {
  work_.Naming(env->GetNaming());
}

void CSingleSettingDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_LIFE, life_);
  DDX_Control(dx, IDC_ARRANGEMENT, arrangement_);
  DDX_Control(dx, IDC_HISTORY, history_);
  DDX_Control(dx, IDC_PAGE, page_);
  DDX_Control(dx, IDC_TITLE, title_);
}

BOOL CSingleSettingDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  SetDlgItemText(IDC_SOURCE_NAME, file_->Name(1));
  for (const char8_t* item : {u8"S：測量", u8"D：設計", u8"C：施工", u8"M：維持管理"}) {
    life_.AddString(CString(item));
  }
  life_.SetCurSel(LifeIndex(file_->Life()));
  FillCodeList(arrangement_);
  FillCodeList(history_);
  arrangement_.SetWindowText(file_->Arrangement());
  history_.SetWindowText(file_->History());
  page_.SetWindowText(file_->Page());
  arrangement_.LimitText(1);
  history_.LimitText(1);
  page_.LimitText(3);
  if (work_.Naming() == NamingEdition::k2017) {
    ArrangeFor2017();
    title_.SetWindowText(file_->Title());
    title_.LimitText(2 * CDrawingFile::kTitleLimit);
  } else {
    title_.ShowWindow(SW_HIDE);
    GetDlgItem(IDC_TITLE_LABEL)->ShowWindow(SW_HIDE);
  }
  const DrawingTypeInfo& type = file_->GetTypeInfo();
  if (type.fieldNo >= 0 && type.no >= 0) {
    SetDlgItemText(IDC_TYPE_NAME, draft_->GetElmName(type.fieldNo, type.no, '-'));
  }
  RefreshPreview();
  return TRUE;
}

bool CSingleSettingDialog::ReadLife() {
  const int sel = life_.GetCurSel();
  if (sel < 0) return false;
  CString item;
  life_.GetLBText(sel, item);
  return item.IsEmpty() ? false : work_.Life(item.Left(1)) != 0;
}

bool CSingleSettingDialog::ReadArrangement() {
  const CString text = arrangement_.GetWindowText();
  return work_.Arrangement(text) != 0;  // the record's own check decides
}

void CSingleSettingDialog::ArrangeFor2017() {
  for (const Place& place : k2017Places)
    GetDlgItem(place.id)->MoveWindow(place.x, place.y, place.w, place.h);
  MoveWindow(0, 0, kWidth, k2017Height);
}

bool CSingleSettingDialog::ReadTitle() {
  if (work_.Naming() != NamingEdition::k2017) return true;
  return work_.Title(title_.GetWindowText()) != 0;
}

bool CSingleSettingDialog::ReadHistory() {
  const CString text = history_.GetWindowText();
  return work_.History(text) != 0;
}

// The edit field of a combo box shows a picked item only after the selection notification:
// the handlers copy it over first, so that the preview follows the pick at once.
void CSingleSettingDialog::TakePick(CComboBox& list) {
  CString item;
  if (list.GetLBText(list.GetCurSel(), item) >= 0) list.SetWindowText(item);
}

bool CSingleSettingDialog::ReadPage() {
  // The number the text begins with; the field takes digits only.
  const int number = afx::DecimalValue(page_.GetWindowText().Bytes());
  if (number < 1 || number > 999) return false;
  CString page;
  page.Format("%03d", number);
  return work_.Page(page) != 0;
}

void CSingleSettingDialog::RefreshPreview() {
  SetDlgItemText(IDC_PREVIEW, work_.Name(0));
}

void CSingleSettingDialog::OnLifeChanged() {
  ReadLife();
  RefreshPreview();
}

void CSingleSettingDialog::OnArrangementEdited() {
  if (ReadArrangement()) RefreshPreview();
}

void CSingleSettingDialog::OnArrangementPicked() {
  TakePick(arrangement_);
  OnArrangementEdited();
}

void CSingleSettingDialog::OnHistoryEdited() {
  if (ReadHistory()) RefreshPreview();
}

void CSingleSettingDialog::OnHistoryPicked() {
  TakePick(history_);
  OnHistoryEdited();
}

void CSingleSettingDialog::OnPageUpdated() {
  if (ReadPage()) RefreshPreview();
}

void CSingleSettingDialog::OnPageLeft() {
  page_.SetWindowText(work_.Page());
}

void CSingleSettingDialog::OnTitleEdited() {
  if (ReadTitle()) RefreshPreview();
}

void CSingleSettingDialog::OnTypeButton() {
  DrawingTypeInfo chosen;
  CString name;
  if (!ChooseDrawingType(draft_, this, work_.GetTypeInfo(), chosen, name)) return;
  work_.SetTypeInfo(chosen);
  SetDlgItemText(IDC_TYPE_NAME, name);
  RefreshPreview();
}

void CSingleSettingDialog::OnRegisteredButton() {
  CSetInstance guard(drawreg::ResourceModule());
  CDrawingFilesDialog files(env_, folder_, this);
  files.DoModal();
}

bool CSingleSettingDialog::IsUniqueInFolder() const {
  if (!folder_) return true;
  const NamingEdition edition = work_.Naming();
  const CString base = env_->GetBaseNameFromFileName(work_.Name(0));
  for (int i = 0; i < folder_->GetFileCount(); ++i) {
    const CDrawingFile* other = folder_->GetFile(i);
    if (other == file_ || other->Name(1).CompareNoCase(file_->Name(1)) == 0) continue;
    if (env_->GetBaseNameFromFileName(other->Name(0, edition)).CompareNoCase(base) == 0) {
      return false;
    }
  }
  return true;
}

bool CSingleSettingDialog::CheckFields() {
  struct Check {
    bool passed;
    const char8_t* message;
    int focus;  // 0: the focus stays
  };
  const DrawingTypeInfo& type = work_.GetTypeInfo();
  // In order; each check runs only when the ones before it passed.
  const auto run = [&](const Check& check) {
    if (check.passed) return true;
    MessageBox(CString(check.message), CString(u8"データエラー"), MB_OK | MB_ICONEXCLAMATION);
    if (check.focus) GotoDlgCtrl(GetDlgItem(check.focus));
    return false;
  };
  return run({ReadLife(), u8"ライフサイクルが無効です", IDC_LIFE}) &&
         run({ReadArrangement(), u8"整理番号が無効です", IDC_ARRANGEMENT}) &&
         run({type.fieldNo >= 0 && type.no >= 0, u8"図面種別が設定されていません",
              IDC_TYPE_BUTTON}) &&
         run({ReadPage(), u8"図面番号が無効です", IDC_PAGE}) &&
         run({ReadHistory(), u8"改訂履歴が無効です", IDC_HISTORY}) &&
         run({ReadTitle(), u8"図面名が無効です", IDC_TITLE}) &&
         run({IsUniqueInFolder(), u8"既に使用されている成果ファイル名称です", 0});
}

void CSingleSettingDialog::OnOK() {
  const CWnd* focus = GetFocus();
  if (!focus || focus->GetDlgCtrlID() != IDOK) {
    DialogBase::OnOK();
    return;
  }
  if (!CheckFields()) return;
  *file_ = work_;
  DialogBase::OnOK();
}
