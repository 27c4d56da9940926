#include "registration/Messages.h"

#include "framework/ui/Presenter.h"

namespace registration {

namespace {

int Show(CWnd* parent, const CString& text, const char8_t* caption, UINT type) {
  return afx::GetPresenter().ShowMessageBox({parent, text, CString(caption), type});
}

}  // namespace

void ShowError(CWnd* parent, const char8_t* text, const char8_t* caption) {
  Show(parent, CString(text), caption, MB_OK | MB_ICONHAND);
}

void ShowError(CWnd* parent, const CString& text, const char8_t* caption) {
  Show(parent, text, caption, MB_OK | MB_ICONHAND);
}

const char8_t* MessageFor(afx::FileFault fault) {
  switch (fault) {
    case afx::FileFault::accessDenied:
      return kAccessDenied;
    case afx::FileFault::notRegular:
      return kNotRegularFile;
    case afx::FileFault::writeError:
      return kWriteFailed;
    case afx::FileFault::badName:
      return kBadName;
    case afx::FileFault::locked:
      return kLockedByOther;
    case afx::FileFault::readError:
    case afx::FileFault::none:
      break;
  }
  return kReadFailed;
}

int Ask(CWnd* parent, const char8_t* text, const char8_t* caption) {
  return Show(parent, CString(text), caption, MB_YESNO | MB_ICONEXCLAMATION);
}

}  // namespace registration
