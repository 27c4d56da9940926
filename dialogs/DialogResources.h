// The dialog resources of the library: the setting dialogs and the registered files list.
#pragma once

#include "framework/ui/ResourceModule.h"

namespace drawreg {

constexpr UINT IDD_SINGLE_SETTING = 30000;
constexpr UINT IDD_DRAWING_FILES = 30002;

// Controls of the single setting dialog.
constexpr int IDC_PREVIEW = 30000;
constexpr int IDC_LIFE = 30001;
constexpr int IDC_ARRANGEMENT = 30002;
constexpr int IDC_TYPE_BUTTON = 30003;
constexpr int IDC_HISTORY = 30004;
constexpr int IDC_SOURCE_NAME = 30005;
constexpr int IDC_PAGE = 30006;
constexpr int IDC_REGISTERED = 30007;
constexpr int IDC_TYPE_NAME = 30009;
// The list of the registered files dialog.
constexpr int IDC_FILE_LIST = 30008;

void AddDialogResources(afx::ResourceModule& module);

}  // namespace drawreg
