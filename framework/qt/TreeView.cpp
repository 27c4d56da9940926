#include "framework/qt/TreeView.h"

#include <QTimer>
#include <QTreeWidget>

#include "framework/qt/ImageCache.h"
#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/CImageList.h"

namespace afx::qt {

namespace {

constexpr int kNodeRole = Qt::UserRole;

}  // namespace

TreeView::TreeView(ShownDialog& dialog, TreePeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), tree_(new QTreeWidget(parent)) {
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setRootIsDecorated((peer.style & (TVS_LINESATROOT | TVS_HASBUTTONS)) != 0);
  SetWidget(tree_);
  QObject::connect(tree_, &QTreeWidget::itemSelectionChanged, tree_,
                   [this] { OnSelectionChanged(); });
  QObject::connect(tree_, &QTreeWidget::itemExpanded, tree_,
                   [this](QTreeWidgetItem* item) { OnExpanded(item, true); });
  QObject::connect(tree_, &QTreeWidget::itemCollapsed, tree_,
                   [this](QTreeWidgetItem* item) { OnExpanded(item, false); });
}

void TreeView::SyncContent() {
  if (rebuild_pending_) return;
  if (!built_) {
    Rebuild();
  } else if (peer_.images != shown_images_ || peer_.root.children.size() != shown_roots_ ||
             !SameNodes(peer_.root)) {
    rebuild_pending_ = true;
    QTimer::singleShot(0, tree_, [this] { Rebuild(); });
  } else {
    ShowSelection();
  }
}

bool TreeView::SameNodes(const TreeNode& node) {
  for (const auto& child : node.children) {
    const auto found = shown_.find(child.get());
    if (found == shown_.end()) return false;
    const ShownNode& shown = found->second;
    if (shown.text != child->text || shown.image != child->image ||
        shown.selectedImage != child->selectedImage || shown.children != child->children.size())
      return false;
    if (shown.item->isExpanded() != child->expanded) shown.item->setExpanded(child->expanded);
    if (!SameNodes(*child)) return false;
  }
  return true;
}

void TreeView::Rebuild() {
  ShownDialog::SyncScope scope(dialog_);
  rebuild_pending_ = false;
  built_ = true;
  tree_->clear();
  shown_.clear();
  shown_selection_ = nullptr;
  shown_images_ = peer_.images;
  shown_roots_ = peer_.root.children.size();
  if (shown_images_) tree_->setIconSize(QSize(shown_images_->Width(), shown_images_->Height()));
  AddChildren(peer_.root, tree_->invisibleRootItem());
  ShowSelection();
}

void TreeView::AddChildren(const TreeNode& node, QTreeWidgetItem* parent) {
  for (const auto& child : node.children) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, ToDisplayText(child->text));
    item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(child.get())));
    shown_[child.get()] = {item, child->text, child->image, child->selectedImage,
                           child->children.size()};
    SetIcon(child.get(), false);
    AddChildren(*child, item);
    item->setExpanded(child->expanded);
  }
}

void TreeView::SetIcon(const TreeNode* node, bool selected) {
  const auto found = shown_.find(node);
  if (found == shown_.end() || !shown_images_) return;
  const ShownNode& shown = found->second;
  const int image = selected ? shown.selectedImage : shown.image;
  shown.item->setIcon(0, dialog_.Images().Icon(shown_images_, image));
}

void TreeView::ShowSelection() {
  const TreeNode* selected = peer_.selectedNode;
  if (selected == shown_selection_) return;
  SetIcon(shown_selection_, false);
  const auto found = shown_.find(selected);
  if (found == shown_.end()) {
    tree_->clearSelection();
    shown_selection_ = nullptr;
    return;
  }
  tree_->setCurrentItem(found->second.item);
  SetIcon(selected, true);
  shown_selection_ = selected;
}

TreeNode* TreeView::NodeOf(QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  return reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

void TreeView::OnSelectionChanged() {
  // While a rebuild is pending the items may stand for nodes that no longer exist.
  if (rebuild_pending_) return;
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  TreeNode* node = selected.isEmpty() ? nullptr : NodeOf(selected.front());
  if (!node || node == peer_.selectedNode) return;
  dialog_.UserInput([this, node] { peer_.Select(dialog_.Dialog(), node); });
}

void TreeView::OnExpanded(QTreeWidgetItem* item, bool expanded) {
  if (dialog_.Syncing() || rebuild_pending_) return;
  if (TreeNode* node = NodeOf(item)) node->expanded = expanded;
}

}  // namespace afx::qt
