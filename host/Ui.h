// The program's choice of presenter: the Qt presenter when a display is there (or --ui qt),
// otherwise the in-memory presenter with the driver the command supplies.
#pragma once

#include <memory>

#include "framework/ui/MemoryPresenter.h"
#include "host/Options.h"

namespace host {

class UiSession {
 public:
  // driver: what answers dialogs when nobody can see them; may be null (cancel everything).
  explicit UiSession(const CommandLine& line, afx::DialogDriver* driver = nullptr);
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
