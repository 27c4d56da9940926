// WindowPeer: the state of one control of a dialog, shared by the control handles that the
// program uses and the presenter that shows it. The program changes a peer through its
// handle; the peer then tells its view (the presenter's widget, if any) to show the change.
#pragma once

#include <memory>
#include <vector>

#include "framework/CString.h"
#include "framework/ui/DialogTemplate.h"
#include "framework/ui/WinTypes.h"

class CImageList;

namespace afx {

struct ListColumn {
  CString heading;
  int format = LVCFMT_LEFT;
  int width = 0;  // pixels
};

struct ListRow {
  std::vector<CString> texts;  // the item's text, then each sub-item's
  int image = -1;
  bool selected = false;
  DWORD_PTR data = 0;
};

struct TreeNode {
  CString text;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
  DWORD_PTR data = 0;
  TreeNode* parent = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children;
};

class WindowPeer;

// The presenter's side of a peer: told after every change the program makes.
class PeerView {
 public:
  virtual ~PeerView() = default;
  virtual void Sync(WindowPeer& peer) = 0;
};

class WindowPeer {
 public:
  explicit WindowPeer(const ControlTemplate& t)
      : id(t.id), kind(t.kind), style(t.style), text(t.text), x(t.x), y(t.y), w(t.w), h(t.h) {
    enabled = (style & WS_DISABLED) == 0;
  }

  // Tells the view, if any, that the state changed.
  void Changed() {
    if (view) view->Sync(*this);
  }

  int id;
  ControlKind kind;
  DWORD style;
  CString text;
  int x, y, w, h;
  bool enabled = true;
  bool visible = true;
  int textLimit = 0;  // 0: no limit
  int check = BST_UNCHECKED;

  // Combo boxes.
  std::vector<CString> items;
  int curSel = -1;

  // List views.
  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  DWORD extendedStyle = 0;
  CImageList* smallImages = nullptr;
  CImageList* normalImages = nullptr;

  // Tree views.
  TreeNode root;
  TreeNode* selectedNode = nullptr;
  CImageList* treeImages = nullptr;

  PeerView* view = nullptr;
};

}  // namespace afx
