#include "dialogs/CMultiSettingSheet.h"

#include "dialogs/CheckDrawingNames.h"
#include "dialogs/DialogResources.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingFile.h"

using namespace drawreg;

BEGIN_MESSAGE_MAP(CMultiSettingSheet, RVSheet)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {

// The columns of the 2004 edition; the 2017 edition adds the user-defined part.
constexpr int kColumns = 8;
constexpr int kColumns2017 = 9;
constexpr int kTypeColumn = 6;
constexpr int kNameColumn = 7;
constexpr int kTitleColumn = 8;

struct ColumnLayout {
  const char8_t* header;
  int length;      // width in characters
  int inputLimit;  // bytes a person can type
  int form;        // 0 left, 1 right, 2 centred
  const char8_t* help;
};

const ColumnLayout kLayout[kColumns2017] = {
    {u8"No.", 4, 4, 1, nullptr},
    {u8"元ファイル名", 12, 0, 0, nullptr},
    {u8"ﾗｲﾌｻｲｸﾙ", 7, 1, 2,
     u8"【 ライフサイクル 】 S：測量／D：設計／C：施工／M：維持管理 "
     u8"のいずれかを入力してください。"},
    {u8"整理番号", 8, 1, 2, u8"【 整理番号 】 0～9、A～Z を入力してください。"},
    {u8"図面番号", 8, 3, 2, u8"【 図面番号 】 001～999 を入力してください。"},
    {u8"改訂履歴", 8, 1, 2, u8"【 改訂履歴 】 0～9、A～Z(Zは最終) を入力してください。"},
    {u8"図面種類", 50, 0, 0,
     u8"【 図面種類 】 図面種類を選択してください。右ボタンで一覧選択できます。"},
    {u8"ファイル名", 12, 0, 0, nullptr},
    // Up to 52 double-byte characters may be typed.
    {u8"図面名", 30, 2 * CDrawingFile::kTitleLimit, 0,
     u8"【 図面名 】 全角文字、半角英大文字・数字で52文字以内を入力してください。"},
};

// A 2017 name with its user-defined part needs more room than eight characters.
constexpr int kNameLength2017 = 24;

}  // namespace

CMultiSettingSheet::CMultiSettingSheet(TVector<CDrawingFile*>* rows, const CEnvironObj* env,
                                       CStdDraftMgr* draft, CWnd* parent, int textHeight)
    : parent_(parent), env_(env), draft_(draft) {
  SetRecords(rows);
  SetTextHeight(textHeight);
  SetHeaderRow(1);
  SetRecRow(1);
  SetColNum(ColumnCount());
  for (int c = 0; c < ColumnCount(); ++c) {
    const ColumnLayout& column = kLayout[c];
    const bool wide_name = c == kNameColumn && Edition() == NamingEdition::k2017;
    SetColLen(c, wide_name ? kNameLength2017 : column.length);
    AddText(0, c, CString(column.header), c);
    AddItem(1, c, c, c == 0 ? 1 : 0);
    SetDataKind(c, 0, static_cast<unsigned>(column.inputLimit), 0);
    SetDataForm(c, static_cast<unsigned char>(column.form));
  }
}

void CMultiSettingSheet::SetRecords(TVector<CDrawingFile*>* rows) {
  rows_ = rows;
  const int count = rows ? rows->GetCnt() : 0;
  SetRecMax(count);
  SetRecCnt(count);
  if (HasWindow()) {
    DrawPage();
    SkipTo(0, 0);
  }
}

NamingEdition CMultiSettingSheet::Edition() const {
  return env_ ? env_->GetNaming() : NamingEdition::k2004;
}

int CMultiSettingSheet::ColumnCount() const {
  return Edition() == NamingEdition::k2017 ? kColumns2017 : kColumns;
}

CDrawingFile* CMultiSettingSheet::Row(int row) const {
  if (!rows_ || row < 0 || row >= static_cast<int>(GetRecCnt()) || row >= rows_->GetCnt())
    return nullptr;
  return (*rows_)[row];
}

int CMultiSettingSheet::HowEdit(int, int col) {
  if (col == 1 || col == kNameColumn) return 0;
  return col == kTypeColumn ? 2 : 1;
}

void CMultiSettingSheet::GetItemText(int row, int col, CString& text) {
  const CDrawingFile* file = Row(row);
  if (!file || col < 0 || col >= ColumnCount()) return;
  switch (col) {
    case 0:
      text.Format("%d", row + 1);
      break;
    case 1:
      text = file->Name(1);
      break;
    case 2:
      text = file->Life();
      break;
    case 3:
      text = file->Arrangement();
      break;
    case 4:
      text = file->Page();
      break;
    case 5:
      text = file->History();
      break;
    case kTypeColumn: {
      const DrawingTypeInfo& type = file->GetTypeInfo();
      text = type.fieldNo >= 0 && type.no >= 0 ? draft_->GetElmName(type.fieldNo, type.no, '-')
                                               : CString();
      break;
    }
    case kNameColumn:
      text = file->Name(0, Edition());
      break;
    default:
      text = file->Title();
      break;
  }
}

void CMultiSettingSheet::EnterItem(int, int col) {
  const char8_t* help = col >= 0 && col < ColumnCount() ? kLayout[col].help : nullptr;
  if (parent_) parent_->SetDlgItemText(IDC_STATUS, help ? CString(help) : CString());
}

void CMultiSettingSheet::UpdateItem(int, int col, const char* text) {
  if (col < 2 || col == kTypeColumn || col == kNameColumn || col >= ColumnCount()) return;
  const CString value(text);
  // What a person types goes to every marked row, whichever row it was typed in.
  for (int row = 0; row < static_cast<int>(GetRecCnt()); ++row) {
    CDrawingFile* file = GetMark(row) ? Row(row) : nullptr;
    if (!file) continue;
    switch (col) {
      case 2:
        file->Life(value);
        break;
      case 3:
        file->Arrangement(value);
        break;
      case 4:
        file->Page(value);
        break;
      case kTitleColumn:
        file->Title(value);
        break;
      default:
        file->History(value);
        break;
    }
  }
}

void CMultiSettingSheet::PostTypeSelection() {
  // Posted, not called: the selection runs once the grid has finished with the message.
  if (parent_) parent_->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_TYPE_SELECT, BN_CLICKED));
}

void CMultiSettingSheet::MouseEvent(unsigned int msg, int row, int col) {
  if (msg == WM_RBUTTONUP && col == kTypeColumn && row >= 0 &&
      row < static_cast<int>(GetRecCnt())) {
    if (GetMark(row)) LockMark();
    JumpTo(row, kTypeColumn);
    PostTypeSelection();
    return;
  }
  RVSheet::MouseEvent(msg, row, col);
}

void CMultiSettingSheet::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (key == VK_SPACE) {
    int row = 0;
    int col = 0;
    GetEditPos(&row, &col);
    if (col == kTypeColumn) PostTypeSelection();
  }
  RVSheet::OnKeyDown(key, repeat, flags);
}

void CMultiSettingSheet::SetPageRenNo(int start, int step) {
  int number = start;
  for (int row = 0; row < static_cast<int>(GetRecCnt()); ++row) {
    CDrawingFile* file = GetMark(row) ? Row(row) : nullptr;
    if (!file) continue;
    CString page;
    page.Format("%d", number);
    file->Page(page);
    number += step;
  }
  DrawPage();
}

int CMultiSettingSheet::CheckSetting(TVector<CDrawingFile*>* records, CDrawingFolder* folder) {
  int first = 0;
  int second = 0;
  const int result = CheckDrawingNames(env_, folder, rows_, records, &first, &second);
  if (result == 0) return 1;
  ShowNameProblem(result, first, second);
  return 0;
}

void CMultiSettingSheet::ShowNameProblem(int result, int first, int second) {
  CString message;
  if (result == 1) {
    message.Format(CString(u8"%d行目の図面種類が設定されていません。"), first + 1);
  } else if (result == 2) {
    message.Format(CString(u8"%d行目と%d行目の成果ファイル名が重複しています。"), first + 1,
                   second + 1);
  } else {
    message.Format(CString(u8"%d行目の成果ファイル名は既に使用されています。"), first + 1);
  }
  if (parent_) parent_->MessageBox(message, CString(u8"データエラー"), MB_OK | MB_ICONEXCLAMATION);
  SkipTo(first, 0);
  if (result == 2) SetMark(second);
}
