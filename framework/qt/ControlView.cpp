#include "framework/qt/ControlView.h"

#include <QWidget>

#include "framework/qt/ButtonView.h"
#include "framework/qt/ComboView.h"
#include "framework/qt/DialogView.h"
#include "framework/qt/EditView.h"
#include "framework/qt/GridView.h"
#include "framework/qt/ReportListView.h"
#include "framework/qt/StaticView.h"
#include "framework/qt/TreeView.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

std::unique_ptr<ControlView> ControlView::Make(DialogView& dialog, WindowPeer& peer,
                                               QWidget* parent) {
  switch (peer.kind) {
    case ControlKind::Button:
      return std::make_unique<ButtonView>(dialog, peer, parent);
    case ControlKind::Edit:
      return std::make_unique<EditView>(dialog, peer, parent);
    case ControlKind::ComboBox:
      return std::make_unique<ComboView>(dialog, peer, parent);
    case ControlKind::ListView:
      return std::make_unique<ReportListView>(dialog, peer, parent);
    case ControlKind::TreeView:
      return std::make_unique<TreeView>(dialog, peer, parent);
    case ControlKind::Grid:
      return std::make_unique<GridView>(dialog, peer, parent);
    case ControlKind::Static:
    default:
      return std::make_unique<StaticView>(dialog, peer, parent);
  }
}

void ControlView::Sync(WindowPeer&) {
  DialogView::SyncScope scope(dialog_);
  SyncState();
  SyncContent();
}

void ControlView::SyncState() {
  if (widget_->isEnabled() != peer_.enabled) widget_->setEnabled(peer_.enabled);
  if (widget_->isHidden() == peer_.visible) widget_->setHidden(!peer_.visible);
  // The focus follows the dialog's: GotoDlgCtrl tells the control that gained it.
  const bool focused = dialog_.Dialog().GetFocusId() == peer_.id && peer_.id > 0;
  if (focused && widget_->focusPolicy() != Qt::NoFocus && !widget_->hasFocus()) {
    widget_->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace afx::qt
