#include "framework/ui/Presenter.h"

namespace afx {

namespace {

// With nobody to show anything to, every dialog is left unanswered (DoModal then cancels it)
// and every question answered with its most cautious button.
class NobodyPresenter : public Presenter {
 public:
  void RunModal(CDialog&) override {}
  int ShowMessageBox(const MessageBoxRequest& request) override {
    switch (request.type & MB_TYPEMASK) {
      case MB_YESNO:
        return IDNO;
      case MB_OKCANCEL:
      case MB_YESNOCANCEL:
      case MB_RETRYCANCEL:
        return IDCANCEL;
      default:
        return IDOK;
    }
  }
  void Posted(CDialog&) override {}
};

Presenter*& Current() {
  static Presenter* current = nullptr;
  return current;
}

}  // namespace

Presenter& GetPresenter() {
  static NobodyPresenter nobody;
  return Current() ? *Current() : nobody;
}

Presenter* SetPresenter(Presenter* presenter) {
  Presenter* previous = Current();
  Current() = presenter;
  return previous;
}

}  // namespace afx
