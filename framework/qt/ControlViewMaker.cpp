#include "framework/qt/ControlViewMaker.h"

#include "framework/qt/ButtonView.h"
#include "framework/qt/ComboView.h"
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
  ViewMaker(ShownDialog& dialog, QWidget* parent) : dialog_(dialog), parent_(parent) {}
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

  ShownDialog& dialog_;
  QWidget* parent_;
};

}  // namespace

std::unique_ptr<ControlView> MakeControlView(ShownDialog& dialog, WindowPeer& peer,
                                             QWidget* parent) {
  ViewMaker maker(dialog, parent);
  peer.Accept(maker);
  return std::move(maker.made);
}

}  // namespace afx::qt
