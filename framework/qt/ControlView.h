// ControlView: the Qt side of one control. It owns no state: the peer holds it. The view shows
// the peer in a widget, follows every change the program makes (Sync), and hands what a person
// does to the widget to the peer's input functions through the dialog. Each subclass is made
// for one kind of peer and shows what that kind keeps (MakeControlView picks it).
#pragma once

#include <QRect>

#include "framework/ui/ControlPeers.h"

class QWidget;

namespace afx::qt {

class ShownDialog;

class ControlView : public PeerView {
 public:
  ControlView(ShownDialog& dialog, WindowPeer& peer) : dialog_(dialog), window_peer_(peer) {}
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  QWidget* Widget() const { return widget_; }
  int Id() const { return window_peer_.id; }
  // Where the widget goes, given the template's rectangle in pixels.
  virtual QRect Geometry(const QRect& template_rect) const { return template_rect; }

  // Shows the peer's state. Signals the widget sends meanwhile are not taken as input.
  void Sync(WindowPeer& peer) final;
  // The dialog moved its focus here, as keyboard navigation does: a field shows its text
  // selected, to be typed over.
  virtual void FocusArrived() {}

 protected:
  void SetWidget(QWidget* widget) { widget_ = widget; }
  // Shows what is particular to the kind of control (text, items, rows...).
  virtual void SyncContent() = 0;

  ShownDialog& dialog_;

 private:
  void SyncState();

  WindowPeer& window_peer_;
  QWidget* widget_ = nullptr;
};

}  // namespace afx::qt
