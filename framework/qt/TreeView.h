// TreeView: a tree view. Nodes show their text and their image from the tree's image list
// (the selected image while selected). The tree is rebuilt once per turn of the event loop
// after the program changed its nodes; selection and expansion alone are shown at once.
#pragma once

#include <unordered_map>

#include "framework/qt/ControlView.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace afx::qt {

class TreeView : public ControlView {
 public:
  TreeView(ShownDialog& dialog, TreePeer& peer, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  struct ShownNode {
    QTreeWidgetItem* item;
    CString text;
    int image;
    int selectedImage;
    size_t children;
  };

  // Whether the nodes under node are those on screen; shows their expansion on the way.
  bool SameNodes(const TreeNode& node);
  void Rebuild();
  void AddChildren(const TreeNode& node, QTreeWidgetItem* parent);
  void ShowSelection();
  void SetIcon(const TreeNode* node, bool selected);
  TreeNode* NodeOf(QTreeWidgetItem* item) const;
  void OnSelectionChanged();
  void OnExpanded(QTreeWidgetItem* item, bool expanded);

  TreePeer& peer_;
  QTreeWidget* tree_;
  bool built_ = false;
  bool rebuild_pending_ = false;
  std::unordered_map<const TreeNode*, ShownNode> shown_;
  size_t shown_roots_ = 0;
  const TreeNode* shown_selection_ = nullptr;
  CImageList* shown_images_ = nullptr;
};

}  // namespace afx::qt
