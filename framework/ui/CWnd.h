// CWnd: a handle to a window. A dialog's controls are handles over the peers that hold their
// state (see WindowPeer and ControlPeers); the dialog itself is a CWnd too. Commands and
// notifications are routed through the message map.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WindowPeer.h"

namespace afx {
class ControlOwner;
}

class CWnd : public CObject {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override = default;

  // The control's state; null for a handle not bound to a control.
  afx::WindowPeer* GetPeer() const { return m_peer; }
  void Attach(afx::WindowPeer* peer) { m_peer = peer; }
  // The dialog this control belongs to (the dialog itself for a dialog).
  afx::ControlOwner* GetOwnerDialog() const { return m_owner; }
  void SetOwnerDialog(afx::ControlOwner* owner) { m_owner = owner; }

  int GetDlgCtrlID() const { return m_peer ? m_peer->id : 0; }
  virtual void SetWindowText(const char* text);
  virtual void GetWindowText(CString& text) const;
  CString GetWindowText() const;
  int GetWindowTextLength() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int show);
  BOOL IsWindowVisible() const;
  // Places the window, in dialog units as the templates give them; a dialog's own x and y
  // are not used. A dialog lays itself out so in OnInitDialog, where a template serves more
  // than one arrangement.
  void MoveWindow(int x, int y, int width, int height);
  // Moves the keyboard focus to this control.
  CWnd* SetFocus();

  CWnd* GetDlgItem(int id) const;
  void SetDlgItemText(int id, const char* text);
  CString GetDlgItemText(int id) const;

  // Shows a modal message box owned by this window; returns the button pressed.
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
  // Queues a message; it is handled after the current one.
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Routes a notification from control id through the message map; true when handled.
  virtual bool OnCmdMsg(UINT id, UINT code, NMHDR* header = nullptr);

  // Makes this handle the window of the dialog's control id, as data exchange does for a
  // control member; the handle then takes the window over (PreSubclassWindow).
  BOOL SubclassDlgItem(UINT id, CWnd* parent);

  // A window message to this window (a key pressed in it): OnWndMsg finds its handler in the
  // message map; a message without one goes to DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // The peer if it is of kind P: a handle bound to another kind of control does nothing.
  template <class P>
  P* PeerAs() const {
    return dynamic_cast<P*>(m_peer);
  }
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // Called once the handle is bound to its control, before any message reaches it.
  virtual void PreSubclassWindow() {}
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // What a window does with a message nobody handles: nothing.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  afx::WindowPeer* m_peer = nullptr;
  afx::ControlOwner* m_owner = nullptr;
};

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

int AfxMessageBox(const char* text, UINT type = MB_OK);
