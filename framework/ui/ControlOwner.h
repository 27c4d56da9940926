// ControlOwner: what a control asks of the dialog it belongs to. Handles move the focus, find
// their sibling controls and post commands through it; peers send their notifications to it.
// CDialog is the one owner; controls know it only as this, so that they need nothing of how
// a dialog is made, shown or ended.
#pragma once

#include "framework/ui/WinTypes.h"

class CWnd;

namespace afx {

class WindowPeer;

class ControlOwner {
 public:
  ControlOwner() = default;
  ControlOwner(const ControlOwner&) = delete;
  ControlOwner& operator=(const ControlOwner&) = delete;

  // The control that has the focus, or null.
  virtual CWnd* GetFocus() const = 0;
  // Moves the focus to a control, as keyboard navigation would.
  virtual void GotoDlgCtrl(CWnd* control) = 0;
  // The handle of the control with this id, or null.
  virtual CWnd* HandleOf(int id) const = 0;
  // control takes the control with this id over: it is that control's handle from now on.
  // The control's state, or null when there is no such control.
  virtual WindowPeer* SubclassControl(int id, CWnd* control) = 0;

  // Routes a control's notification to the dialog's message map.
  virtual void Notify(int id, UINT code, NMHDR* header = nullptr) = 0;
  // A click on the control: its command.
  virtual void Command(int id) = 0;
  // Queues a command; it is handled after the current message.
  virtual void PostCommand(int id, UINT code) = 0;
  // Checks an auto radio button and unchecks the others of its group.
  virtual void CheckRadioInGroup(int id) = 0;

 protected:
  ~ControlOwner() = default;
};

}  // namespace afx
