// DialogSession: acts on an open dialog as a person would, through the same path real input
// takes (the control changes, then its notification), and reads back what the dialog shows.
// The in-memory presenter hands one to its driver for every modal dialog.
#pragma once

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/CString.h"
#include "framework/ui/ControlPeers.h"

class CDialog;

namespace afx {

// A node of a tree as the tree shows it: the texts from the top node down to it, its images
// and its item data, and whether it is the selected node.
struct TreeNodeShown {
  std::vector<CString> path;
  int image = 0;
  int selectedImage = 0;
  DWORD_PTR data = 0;
  bool selected = false;
};

class DialogSession {
 public:
  explicit DialogSession(CDialog& dialog);

  CDialog& Dialog() const { return dialog_; }
  UINT TemplateId() const;
  CString Caption() const;
  bool IsOpen() const;

  // Actions. Each ends by handling the messages the dialog posted meanwhile.
  void FocusOn(int id);
  // Replaces the text of an edit field (or a combo box's edit field) as if typed: characters
  // an ES_NUMBER edit refuses and those past the text limit are not taken.
  void Type(int id, const CString& text);
  // Picks an item of a combo box or a list view row.
  void Pick(int id, int index);
  // Selects the tree item reached by following the texts from the root.
  bool PickTreeItem(int id, const std::vector<CString>& path);
  void Click(int id);
  // Clicks OK: the focus moves to the OK button first.
  void PressOK();
  // Presses Enter where the focus is: the OK command without moving the focus.
  void PressEnter();
  // Presses Escape or closes the window.
  void Cancel();

  // Grid actions; each puts the focus on the grid first. A click on a cell moves the cursor
  // there; with Ctrl held it toggles the row's mark, with Shift it marks the rows from the
  // last plain click.
  void ClickCell(int id, int row, int col);
  void CtrlClickCell(int id, int row, int col);
  void ShiftClickCell(int id, int row, int col);
  // The right button pressed and released over a cell.
  void RightClickCell(int id, int row, int col);
  // Types text into the current cell, which takes what its column allows.
  void TypeIntoCell(int id, const CString& text);
  // A key pressed on the grid (a virtual key: VK_SPACE, VK_DOWN...).
  void PressKey(int id, UINT key);

  // What the dialog shows. Peer<P> is the state of the control as the kind P it is: it throws
  // std::out_of_range for no such control and std::invalid_argument for another kind.
  template <class P = WindowPeer>
  const P& Peer(int id) const {
    return PeerOf<P>(id);
  }
  CString Text(int id) const;
  bool Enabled(int id) const;
  int FocusId() const;
  int CurSel(int id) const;
  int ItemCount(int id) const;
  CString ItemText(int id, int index) const;
  // Rows and cell texts of a list view or a grid; a grid's cells as its window gives them.
  int RowCount(int id) const;
  CString CellText(int id, int row, int column) const;
  bool IsMarked(int id, int row) const;
  int MarkCount(int id) const;
  // The grid's current cell: row, column.
  std::pair<int, int> CurrentCell(int id) const;
  // Every node of a tree, depth first, each before its children.
  std::vector<TreeNodeShown> TreeNodes(int id) const;

 private:
  WindowPeer& MutablePeer(int id) const;
  template <class P>
  P& PeerOf(int id) const {
    if (auto* peer = dynamic_cast<P*>(&MutablePeer(id))) return *peer;
    throw std::invalid_argument("the dialog's control with this id is of another kind");
  }
  void Settle();
  void GridInput(int id, const std::function<void(GridPeer&)>& input);

  CDialog& dialog_;
};

}  // namespace afx
