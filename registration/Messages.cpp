#include "registration/Messages.h"

#include "framework/ui/Presenter.h"

namespace registration {

namespace {

int Show(CWnd* parent, const char8_t* text, const char8_t* caption, UINT type) {
  return afx::GetPresenter().ShowMessageBox({parent, CString(text), CString(caption), type});
}

}  // namespace

void ShowError(CWnd* parent, const char8_t* text, const char8_t* caption) {
  Show(parent, text, caption, MB_OK | MB_ICONHAND);
}

int Ask(CWnd* parent, const char8_t* text, const char8_t* caption) {
  return Show(parent, text, caption, MB_YESNO | MB_ICONEXCLAMATION);
}

}  // namespace registration
