// ControlView: the Qt side of one control. It owns no state: the peer holds it. The view shows
// the peer in a widget, follows every change the program makes (Sync), and reports what a
// person does to the widget back through the dialog. Subclasses make the widget for their kind.
#pragma once

#include <memory>

#include <QRect>

#include "framework/ui/WindowPeer.h"

class QWidget;

namespace afx::qt {

class DialogView;

class ControlView : public PeerView {
 public:
  ControlView(DialogView& dialog, WindowPeer& peer) : dialog_(dialog), peer_(peer) {}
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  // Makes the view and widget that fit the peer's kind and style, as a child of parent.
  static std::unique_ptr<ControlView> Make(DialogView& dialog, WindowPeer& peer, QWidget* parent);

  QWidget* Widget() const { return widget_; }
  int Id() const { return peer_.id; }
  // Where the widget goes, given the template's rectangle in pixels.
  virtual QRect Geometry(const QRect& template_rect) const { return template_rect; }

  // Shows the peer's state. Signals the widget sends meanwhile are not taken as input.
  void Sync(WindowPeer& peer) final;

 protected:
  void SetWidget(QWidget* widget) { widget_ = widget; }
  // Shows what is particular to the kind of control (text, items, rows...).
  virtual void SyncContent() = 0;

  DialogView& dialog_;
  WindowPeer& peer_;

 private:
  void SyncState();

  QWidget* widget_ = nullptr;
};

}  // namespace afx::qt
