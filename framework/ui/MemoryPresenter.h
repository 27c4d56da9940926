// The in-memory presenter: dialogs and message boxes shown to a driver instead of a screen.
// Tests and the program's non-interactive mode supply the driver.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "framework/ui/DialogSession.h"
#include "framework/ui/Presenter.h"

namespace afx {

class DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  // Acts on the dialog; a dialog still open afterwards is closed as with Escape.
  virtual void Drive(DialogSession& session) = 0;
  virtual int Answer(const MessageBoxRequest& request) = 0;
};

class MemoryPresenter : public Presenter {
 public:
  explicit MemoryPresenter(DialogDriver& driver) : driver_(driver) {}
  void RunModal(CDialog& dialog) override;
  int ShowMessageBox(const MessageBoxRequest& request) override;
  void Posted(CDialog&) override {}

 private:
  DialogDriver& driver_;
};

// A driver made of handlers: one per dialog template id (or a default one), and one that
// answers message boxes. It keeps every message box it was shown.
class ScriptedDriver : public DialogDriver {
 public:
  using DialogHandler = std::function<void(DialogSession&)>;
  using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

  void OnDialog(UINT template_id, DialogHandler handler) { dialogs_[template_id] = handler; }
  void OnAnyDialog(DialogHandler handler) { any_dialog_ = handler; }
  void OnMessageBox(MessageBoxHandler handler) { message_box_ = handler; }

  void Drive(DialogSession& session) override;
  int Answer(const MessageBoxRequest& request) override;

  const std::vector<MessageBoxRequest>& MessageBoxes() const { return shown_; }
  int DialogsShown() const { return dialogs_shown_; }

 private:
  std::map<UINT, DialogHandler> dialogs_;
  DialogHandler any_dialog_;
  MessageBoxHandler message_box_;
  std::vector<MessageBoxRequest> shown_;
  int dialogs_shown_ = 0;
};

// Installs a presenter for the lifetime of the object, restoring the previous one after.
class ScopedPresenter {
 public:
  explicit ScopedPresenter(Presenter& presenter);
  ScopedPresenter(const ScopedPresenter&) = delete;
  ScopedPresenter& operator=(const ScopedPresenter&) = delete;
  ~ScopedPresenter();

 private:
  Presenter* previous_;
};

}  // namespace afx
