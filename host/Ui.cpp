#include "host/Ui.h"

#include <cstdlib>
#include <stdexcept>

#include "host/CommandLine.h"
#include "host/Text.h"

#ifdef DRAWREG_HAVE_QT
#include "framework/qt/QtPresenter.h"
#endif

namespace host {

namespace {

#ifdef DRAWREG_HAVE_QT
constexpr bool kHaveQt = true;
#else
constexpr bool kHaveQt = false;
#endif

void CheckScreen(const std::string& option) {
  if (!kHaveQt) {
    throw UsageError(option + ": this drawreg was built without dialogs on screen (Qt)");
  }
  if (!HasDisplay()) {
    throw UsageError(option + ": no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
  }
}

}  // namespace

bool HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

void CheckUiChoice(const CommandLine& line) {
  if (line.global.ui == "qt") CheckScreen("--ui qt");
  // --yes answers the dialogs without showing them: the opposite of asking for them on screen.
  const bool answers = line.command == Command::entry || line.command == Command::setting;
  if (line.global.ui == "qt" && line.yes && answers)
    throw UsageError("--yes fills the dialogs without showing them: not with --ui qt");
  if (line.command == Command::list && line.gui) {
    if (line.global.ui == "text")
      throw UsageError("--gui shows a dialog on screen: not with --ui text");
    CheckScreen("--gui");
  }
}

UiSession::UiSession(const std::string& ui, bool yes, afx::DialogDriver* driver) {
  const bool want_qt = ui == "qt" || (ui.empty() && HasDisplay() && !yes);
#ifdef DRAWREG_HAVE_QT
  if (want_qt && afx::QtPresenter::EnsureApplication()) {
    presenter_ = std::make_unique<afx::QtPresenter>();
    interactive_ = true;
  }
#endif
  if (want_qt && ui == "qt" && !interactive_) {
    throw std::runtime_error("the display cannot be opened for the dialogs");
  }
  if (!presenter_ && driver) presenter_ = std::make_unique<afx::MemoryPresenter>(*driver);
  if (presenter_) previous_ = afx::SetPresenter(presenter_.get());
}

UiSession::~UiSession() {
  if (presenter_) afx::SetPresenter(previous_);
}

}  // namespace host
