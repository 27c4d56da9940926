// The dialog resources of the library: the setting dialogs, the sequential drawing number
// dialog and the registered files list, and the pictures they show.
#pragma once

#include "framework/ui/ResourceModule.h"

namespace drawreg {

constexpr UINT IDD_SINGLE_SETTING = 30000;
constexpr UINT IDD_DRAWING_FILES = 30002;
constexpr UINT IDD_MULTI_SETTING = 30003;
constexpr UINT IDD_PAGE_REN_NO = 30004;
constexpr UINT IDD_MULTI_FOLDER_SETTING = 30005;

// The picture of the batch dialogs' select-all button.
constexpr UINT IDB_SELECT_ALL = 1002;
// The images of the folder tree: four 20 x 20 pictures, magenta transparent. A folder on the
// way, the same selected, a destination folder, the same selected.
constexpr UINT IDB_FOLDER_TREE = 30005;

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
// The user-defined part of a 2017 name and its label; the rule and the preview's label move
// below them in that edition.
constexpr int IDC_TITLE = 30020;
constexpr int IDC_TITLE_LABEL = 30021;
constexpr int IDC_RULE = 30022;
constexpr int IDC_PREVIEW_LABEL = 30023;
// The list of the registered files dialog.
constexpr int IDC_FILE_LIST = 30008;
// Controls of the batch setting dialogs.
constexpr int IDC_SELECT_ALL = 3;
constexpr int IDC_SHEET = 30010;
constexpr int IDC_REGISTERED_LIST = 30011;
constexpr int IDC_TYPE_SELECT = 30012;
constexpr int IDC_STATUS = 30013;
constexpr int IDC_PAGE_REN_NO = 30014;
// The folder tree of the multi-folder batch setting dialog.
constexpr int IDC_FOLDER_TREE = 30019;
// Controls of the sequential drawing number dialog.
constexpr int IDC_DIRECTION_PLUS = 30015;
constexpr int IDC_DIRECTION_MINUS = 30016;
constexpr int IDC_START_NUMBER = 30017;
constexpr int IDC_START_RANGE = 30018;

void AddDialogResources(afx::ResourceModule& module);

}  // namespace drawreg
