// The program's choice of presenter: the Qt presenter when a display is there (or --ui qt),
// otherwise the in-memory presenter with the driver the command supplies.
#pragma once

#include <memory>
#include <string>

#include "framework/ui/MemoryPresenter.h"

namespace host {

struct CommandLine;

// Throws UsageError when the command line asks for dialogs on screen (--ui qt, list --gui)
// and none can be shown: no display, or a program built without the Qt presenter. Asked for,
// windows must appear or the program must say why; answering in their place would act
// without the user.
void CheckUiChoice(const CommandLine& line);

class UiSession {
 public:
  // ui: "qt", "text" or "" (Qt when a display is there and yes is not given). driver: what
  // answers dialogs when nobody can see them; may be null (cancel everything). Throws
  // std::runtime_error when Qt was asked for and cannot start.
  UiSession(const std::string& ui, bool yes, afx::DialogDriver* driver = nullptr);
  UiSession(const UiSession&) = delete;
  UiSession& operator=(const UiSession&) = delete;
  ~UiSession();

  // True when a person sees the dialogs on screen.
  bool Interactive() const { return interactive_; }

 private:
  bool interactive_ = false;
  std::unique_ptr<afx::Presenter> presenter_;
  afx::Presenter* previous_ = nullptr;
};

// Whether a display is there for windows.
bool HasDisplay();

}  // namespace host
