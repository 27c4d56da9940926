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

namespace afx::qt {

namespace {

// Makes the view made for each kind of peer.
class ViewMaker : public PeerVisitor {
 public:
  ViewMaker(DialogView& dialog, QWidget* parent) : dialog_(dialog), parent_(parent) {}
  std::unique_ptr<ControlView> made;

  void Visit(StaticPeer& peer) override { Make<StaticView>(peer); }
  void Visit(ButtonPeer& peer) override { Make<ButtonView>(peer); }
  void Visit(EditPeer& peer) override { Make<EditView>(peer); }
  void Visit(ComboPeer& peer) override { Make<ComboView>(peer); }
  void Visit(ListPeer& peer) override { Make<ReportListView>(peer); }
  void Visit(TreePeer& peer) override { Make<TreeView>(peer); }
  void Visit(GridPeer& peer) override { Make<GridView>(peer); }

 private:
  template <class View, class Peer>
  void Make(Peer& peer) {
    made = std::make_unique<View>(dialog_, peer, parent_);
  }

  DialogView& dialog_;
  QWidget* parent_;
};

}  // namespace

std::unique_ptr<ControlView> ControlView::Make(DialogView& dialog, WindowPeer& peer,
                                               QWidget* parent) {
  ViewMaker maker(dialog, parent);
  peer.Accept(maker);
  return std::move(maker.made);
}

void ControlView::Sync(WindowPeer&) {
  DialogView::SyncScope scope(dialog_);
  SyncState();
  SyncContent();
}

void ControlView::SyncState() {
  if (widget_->isEnabled() != window_peer_.enabled) widget_->setEnabled(window_peer_.enabled);
  if (widget_->isHidden() == window_peer_.visible) widget_->setHidden(!window_peer_.visible);
  // GotoDlgCtrl tells the control that gained the focus; the screen follows when the dialog's
  // focus moved.
  dialog_.ShowFocus();
}

}  // namespace afx::qt
