// Message boxes on screen: the icon and buttons the MB_ flags ask for, the caption and text
// from code page 932, and the id of the button pressed as the result.
#pragma once

#include "framework/ui/Presenter.h"

class QWidget;

namespace afx::qt {

// Shows a modal message box over parent (null: over no window) and returns IDOK, IDCANCEL,
// IDYES, IDNO, IDRETRY, IDABORT or IDIGNORE.
int RunMessageBox(const MessageBoxRequest& request, QWidget* parent);

}  // namespace afx::qt
