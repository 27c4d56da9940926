// Dialog templates as the resource script lays them out, in dialog units.
#include "dialogs/DialogResources.h"

#include <cstddef>

// The pictures, embedded from dialogs/resources at build time.
extern const unsigned char kSelectAllBitmap[];
extern const std::size_t kSelectAllBitmapSize;
extern const unsigned char kFolderTreeBitmap[];
extern const std::size_t kFolderTreeBitmapSize;

namespace drawreg {

namespace {

using K = afx::ControlKind;
constexpr const char8_t* kFont = u8"ＭＳ Ｐゴシック";
constexpr DWORD kBordered = WS_BORDER;
constexpr DWORD kCentred = SS_CENTER | SS_CENTERIMAGE;

afx::DialogTemplate SingleSetting() {
  return {
      IDD_SINGLE_SETTING,
      u8"DRAWING設定",
      235,
      156,
      kFont,
      9,
      {
          {-1, K::Static, SS_LEFT, u8"元ファイル名：", 7, 11, 42, 8},
          {IDC_SOURCE_NAME, K::Static, kCentred | kBordered, "", 55, 7, 69, 15},
          {-1, K::Static, SS_RIGHT, u8"ライフサイクル：", 7, 30, 47, 8},
          {IDC_LIFE, K::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, "", 55, 27, 64, 86},
          {-1, K::Static, SS_LEFT, u8"整理番号：", 22, 47, 32, 8},
          {IDC_ARRANGEMENT, K::ComboBox, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, "", 55, 45, 32,
           86},
          {-1, K::Static, SS_LEFT, u8"（0～9、A～Z）", 92, 48, 42, 8},
          {-1, K::Static, SS_LEFT, u8"図面種類：", 22, 66, 32, 8},
          {IDC_TYPE_NAME, K::Static, SS_CENTERIMAGE | SS_ENDELLIPSIS | kBordered, "", 56, 63, 172,
           15},
          {IDC_TYPE_BUTTON, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"図面種類", 178, 78, 50, 17},
          {-1, K::Static, SS_LEFT, u8"図面番号：", 22, 86, 32, 8},
          {IDC_PAGE, K::Edit, ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | kBordered | WS_TABSTOP, "",
           55, 83, 32, 14},
          {-1, K::Static, SS_LEFT, u8"（001～999）", 92, 86, 35, 8},
          {-1, K::Static, SS_LEFT, u8"改訂履歴：", 22, 103, 32, 8},
          {IDC_HISTORY, K::ComboBox, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, "", 55, 101, 32, 86},
          {-1, K::Static, SS_LEFT, u8"（0～9、A～Z）", 92, 104, 42, 8},
          // The 2017 edition's user-defined part. The dialog shows it only in that edition, and
          // then moves the rule, the preview and the buttons below it.
          {IDC_TITLE_LABEL, K::Static, SS_LEFT, u8"図面名：", 22, 122, 32, 8},
          {IDC_TITLE, K::Edit, ES_AUTOHSCROLL | kBordered | WS_TABSTOP, "", 55, 119, 173, 14},
          {IDC_RULE, K::Static, SS_ETCHEDHORZ, "", 7, 119, 221, 1},
          {IDC_PREVIEW_LABEL, K::Static, SS_LEFT, u8"成果ファイル名：", 7, 131, 48, 8},
          {IDC_PREVIEW, K::Static, kCentred | kBordered, "", 55, 127, 69, 15},
          {IDOK, K::Button, BS_OWNERDRAW | WS_TABSTOP, "OK", 126, 125, 50, 20},
          {IDCANCEL, K::Button, BS_OWNERDRAW | WS_TABSTOP, u8"キャンセル", 178, 125, 50, 20},
          {IDC_REGISTERED, K::Button, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP,
           u8"登録済み\nデータ確認", 170, 7, 58, 25},
      }};
}

afx::DialogTemplate DrawingFiles() {
  return {IDD_DRAWING_FILES,
          u8"登録済みファイル一覧",
          427,
          318,
          kFont,
          9,
          {
              {IDC_FILE_LIST, K::ListView, LVS_REPORT | LVS_ALIGNLEFT | WS_BORDER | WS_TABSTOP, "",
               7, 7, 413, 304},
          }};
}

afx::DialogTemplate MultiSetting() {
  return {IDD_MULTI_SETTING,
          u8"DRAWING一括設定",
          490,
          338,
          kFont,
          9,
          {
              // The grid takes this list box over.
              {IDC_SHEET, K::ListBox, WS_BORDER | WS_VSCROLL | WS_TABSTOP, "", 7, 29, 482, 283},
              {IDOK, K::Button, BS_OWNERDRAW | WS_TABSTOP, "OK", 7, 7, 55, 19},
              {IDCANCEL, K::Button, BS_OWNERDRAW | WS_TABSTOP, u8"キャンセル", 63, 7, 55, 19},
              {IDC_SELECT_ALL, K::Button, BS_OWNERDRAW | BS_BITMAP | WS_TABSTOP, u8"全選択", 130, 7,
               55, 19},
              {IDC_PAGE_REN_NO, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"図面番号連番設定", 239, 7,
               78, 19},
              {IDC_TYPE_SELECT, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"図面種類選択", 319, 7, 78,
               19},
              {IDC_REGISTERED_LIST, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"登録済みデータ確認",
               399, 7, 78, 19},
              {IDC_STATUS, K::Static, SS_LEFT | SS_CENTERIMAGE | kBordered, "", 7, 315, 470, 16},
          }};
}

afx::DialogTemplate MultiFolderSetting() {
  constexpr DWORD kTree = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  return {IDD_MULTI_FOLDER_SETTING,
          u8"DRAWING一括設定",
          547,
          338,
          kFont,
          9,
          {
              {IDC_FOLDER_TREE, K::TreeView, kTree | WS_BORDER | WS_TABSTOP, "", 7, 30, 121, 283},
              // The grid takes this list box over.
              {IDC_SHEET, K::ListBox, WS_BORDER | WS_VSCROLL | WS_TABSTOP, "", 130, 30, 417, 283},
              {IDOK, K::Button, BS_OWNERDRAW | WS_TABSTOP, "OK", 7, 7, 55, 19},
              {IDCANCEL, K::Button, BS_OWNERDRAW | WS_TABSTOP, u8"キャンセル", 63, 7, 55, 19},
              {IDC_SELECT_ALL, K::Button, BS_OWNERDRAW | BS_BITMAP | WS_TABSTOP, u8"全選択", 130, 7,
               55, 19},
              {IDC_PAGE_REN_NO, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"図面番号連番設定", 239, 7,
               78, 19},
              {IDC_TYPE_SELECT, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"図面種類選択", 319, 7, 78,
               19},
              {IDC_REGISTERED_LIST, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"登録済みデータ確認",
               399, 7, 78, 19},
              {IDC_STATUS, K::Static, SS_LEFT | SS_CENTERIMAGE | kBordered, "", 7, 315, 543, 16},
          }};
}

afx::DialogTemplate PageRenNo() {
  return {IDD_PAGE_REN_NO,
          u8"図面番号連番設定",
          167,
          90,
          kFont,
          9,
          {
              {-1, K::Static, SS_LEFT, u8"開始番号：", 27, 17, 32, 8},
              {IDC_START_NUMBER, K::Edit,
               ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | kBordered | WS_TABSTOP, "", 61, 14, 32, 14},
              {IDC_START_RANGE, K::Static, SS_LEFT, "", 96, 17, 49, 8},
              {-1, K::Static, SS_LEFT, u8"増減方向：", 27, 40, 32, 8},
              {IDC_DIRECTION_PLUS, K::Button, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, u8"＋",
               65, 40, 23, 10},
              {IDC_DIRECTION_MINUS, K::Button, BS_AUTORADIOBUTTON, u8"－", 93, 40, 23, 10},
              {IDOK, K::Button, BS_OWNERDRAW | WS_GROUP | WS_TABSTOP, "OK", 32, 64, 50, 19},
              {IDCANCEL, K::Button, BS_OWNERDRAW | WS_TABSTOP, u8"キャンセル", 85, 64, 50, 19},
          }};
}

}  // namespace

void AddDialogResources(afx::ResourceModule& module) {
  module.AddDialog(SingleSetting());
  module.AddDialog(DrawingFiles());
  module.AddDialog(MultiSetting());
  module.AddDialog(PageRenNo());
  module.AddDialog(MultiFolderSetting());
  module.AddBitmap({IDB_SELECT_ALL, kSelectAllBitmap, kSelectAllBitmapSize});
  module.AddBitmap({IDB_FOLDER_TREE, kFolderTreeBitmap, kFolderTreeBitmapSize});
}

}  // namespace drawreg
