// The ids of the standard-drafting library's resources: the type selection dialog's template
// and its controls. The template, the dialog and the drivers that act on it share them.
#pragma once

#include "framework/Types.h"

constexpr UINT IDD_SELZUMENTYPE = 31000;
constexpr int IDC_SELZUMENTYPE_FIELD = 31001;  // drop-down list of the fields
constexpr int IDC_SELZUMENTYPE_TYPES = 31002;  // list of the field's types: code, name
