// Presenter: what shows dialogs and message boxes to a person. The window model calls it;
// the in-memory presenter hands each dialog to a driver, the Qt presenter puts it on screen.
#pragma once

#include "framework/CString.h"
#include "framework/ui/WinTypes.h"

class CDialog;
class CWnd;

namespace afx {

struct MessageBoxRequest {
  CWnd* owner;
  CString text;
  CString caption;
  UINT type;  // MB_ flags: buttons and icon
};

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Shows an initialised dialog and returns once it has ended (EndDialog was called). A dialog
  // still open when this returns was closed without an answer: DoModal cancels it.
  virtual void RunModal(CDialog& dialog) = 0;
  // Shows a modal message box and returns the id of the button pressed.
  virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
  // A message was posted to the dialog; handle it soon, after the current one.
  virtual void Posted(CDialog& dialog) = 0;
};

// The presenter in use; a presenter that cancels everything when none was set.
Presenter& GetPresenter();
// Sets the presenter (not owned); null restores the default. Returns the one set before.
Presenter* SetPresenter(Presenter* presenter);

}  // namespace afx
