#include "framework/ui/MemoryPresenter.h"

#include "framework/ui/CDialog.h"

namespace afx {

void MemoryPresenter::RunModal(CDialog& dialog) {
  DialogSession session(dialog);
  driver_.Drive(session);
  if (dialog.IsOpen()) session.Cancel();
  if (dialog.IsOpen()) dialog.EndDialog(IDCANCEL);
}

int MemoryPresenter::ShowMessageBox(const MessageBoxRequest& request) {
  return driver_.Answer(request);
}

void ScriptedDriver::Drive(DialogSession& session) {
  ++dialogs_shown_;
  const auto it = dialogs_.find(session.TemplateId());
  if (it != dialogs_.end()) {
    it->second(session);
  } else if (any_dialog_) {
    any_dialog_(session);
  }
}

int ScriptedDriver::Answer(const MessageBoxRequest& request) {
  shown_.push_back(request);
  if (message_box_) return message_box_(request);
  return (request.type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

ScopedPresenter::ScopedPresenter(Presenter& presenter) : previous_(SetPresenter(&presenter)) {}

ScopedPresenter::~ScopedPresenter() {
  SetPresenter(previous_);
}

}  // namespace afx
