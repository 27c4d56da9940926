#include "hostlibs/stddraft/StdDraftResources.h"

#include "hostlibs/stddraft/StdDraftResourceIds.h"

namespace {

afx::DialogTemplate SelectionTemplate() {
  using K = afx::ControlKind;
  constexpr DWORD kList = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT | WS_BORDER | WS_TABSTOP;
  return {IDD_SELZUMENTYPE,
          u8"図面種類の選択",
          220,
          170,
          u8"ＭＳ Ｐゴシック",
          9,
          {{-1, K::Static, SS_LEFT, u8"分野：", 7, 10, 40, 8},
           {IDC_SELZUMENTYPE_FIELD, K::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, "", 50,
            7, 120, 100},
           {-1, K::Static, SS_LEFT, u8"図面種類：", 7, 28, 40, 8},
           {IDC_SELZUMENTYPE_TYPES, K::ListView, kList, "", 7, 39, 206, 98},
           {IDOK, K::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", 109, 145, 50, 17},
           {IDCANCEL, K::Button, BS_PUSHBUTTON | WS_TABSTOP, u8"キャンセル", 163, 145, 50, 17}}};
}

}  // namespace

afx::ResourceModule& StdDraftResources() {
  static afx::ResourceModule module = [] {
    afx::ResourceModule m("stddraft");
    m.AddDialog(SelectionTemplate());
    return m;
  }();
  return module;
}
