#include "host/Ui.h"

#include <cstdlib>

#ifdef DRAWREG_HAVE_QT
#include "framework/qt/QtPresenter.h"
#endif

namespace host {

bool HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

UiSession::UiSession(const CommandLine& line, afx::DialogDriver* driver) {
  const std::string ui = line.Value("ui").value_or("");
  const bool want_qt = ui == "qt" || (ui.empty() && HasDisplay() && !line.Flag("yes"));
#ifdef DRAWREG_HAVE_QT
  if (want_qt && afx::QtPresenter::EnsureApplication()) {
    presenter_ = std::make_unique<afx::QtPresenter>();
    interactive_ = true;
  }
#else
  (void)want_qt;
#endif
  if (!presenter_ && driver) presenter_ = std::make_unique<afx::MemoryPresenter>(*driver);
  if (presenter_) previous_ = afx::SetPresenter(presenter_.get());
}

UiSession::~UiSession() {
  if (presenter_) afx::SetPresenter(previous_);
}

}  // namespace host
