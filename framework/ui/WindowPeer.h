// WindowPeer: the state of one window of a dialog, shared by the handles the program uses and
// the presenter that shows it. The program changes a peer through its handle; the peer then
// tells its view (the presenter's widget, if any) to show the change. What every window has
// lives here; each kind of control keeps its own state in its own peer type (ControlPeers.h),
// and presenters reach that type through a PeerVisitor, never by asking for a kind.
#pragma once

#include "framework/CString.h"
#include "framework/ui/DialogTemplate.h"
#include "framework/ui/WinTypes.h"

namespace afx {

class ControlOwner;
class WindowPeer;
class StaticPeer;
class ButtonPeer;
class EditPeer;
class ComboPeer;
class ListPeer;
class TreePeer;
class GridPeer;

// The presenter's side of a peer: told after every change the program makes.
class PeerView {
 public:
  virtual ~PeerView() = default;
  virtual void Sync(WindowPeer& peer) = 0;
};

// One function per kind of control: what a presenter does with each.
class PeerVisitor {
 public:
  virtual ~PeerVisitor() = default;
  virtual void Visit(StaticPeer& peer) = 0;
  virtual void Visit(ButtonPeer& peer) = 0;
  virtual void Visit(EditPeer& peer) = 0;
  virtual void Visit(ComboPeer& peer) = 0;
  virtual void Visit(ListPeer& peer) = 0;
  virtual void Visit(TreePeer& peer) = 0;
  virtual void Visit(GridPeer& peer) = 0;
};

class WindowPeer {
 public:
  explicit WindowPeer(const ControlTemplate& t)
      : id(t.id), style(t.style), text(t.text), x(t.x), y(t.y), w(t.w), h(t.h) {
    enabled = (style & WS_DISABLED) == 0;
  }
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;
  virtual ~WindowPeer() = default;

  // Tells the view, if any, that the state changed.
  void Changed() {
    if (view) view->Sync(*this);
  }

  virtual void Accept(PeerVisitor& visitor) = 0;

  // Whether keyboard navigation and clicks can put the focus here now.
  virtual bool TakesFocus() const { return enabled && visible; }
  // What the control tells its dialog when it gains or loses the focus; 0 for nothing.
  virtual UINT FocusNotification(bool /*gained*/) const { return 0; }
  // The program has just set the text; a control that reports such changes does so.
  virtual void TextSetByProgram(ControlOwner& /*dialog*/) {}

  // A person's input, as the control takes it: its state changes, its view shows it and the
  // dialog hears the notifications the control sends. Both presenters deliver input through
  // these, so that a person on screen and a driver in memory are told the same.
  //
  // Typing text over the whole field; false for a control nobody types into.
  virtual bool Type(ControlOwner& /*dialog*/, const CString& /*text*/) { return false; }
  // Picking item or row index; false for a control without items or an index it lacks.
  virtual bool Pick(ControlOwner& /*dialog*/, int /*index*/) { return false; }
  // A click; the control's command reaches the dialog.
  virtual void Click(ControlOwner& dialog);

  int id;
  DWORD style;
  CString text;
  int x, y, w, h;
  bool enabled = true;
  bool visible = true;
  PeerView* view = nullptr;
};

}  // namespace afx
