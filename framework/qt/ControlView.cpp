#include "framework/qt/ControlView.h"

#include <QWidget>

#include "framework/qt/ShownDialog.h"

namespace afx::qt {

void ControlView::Sync(WindowPeer&) {
  ShownDialog::SyncScope scope(dialog_);
  SyncState();
  SyncContent();
}

void ControlView::SyncState() {
  if (widget_->isEnabled() != window_peer_.enabled) widget_->setEnabled(window_peer_.enabled);
  if (widget_->isHidden() == window_peer_.visible) widget_->setHidden(!window_peer_.visible);
  const QRect place =
      Geometry(dialog_.ToPixels(window_peer_.x, window_peer_.y, window_peer_.w, window_peer_.h));
  if (widget_->geometry() != place) widget_->setGeometry(place);
  // GotoDlgCtrl tells the control that gained the focus; the screen follows when the dialog's
  // focus moved.
  dialog_.ShowFocus();
}

}  // namespace afx::qt
