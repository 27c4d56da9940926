#include "framework/ui/DialogSession.h"

#include "framework/ui/CDialog.h"

namespace afx {

DialogSession::DialogSession(CDialog& dialog) : dialog_(dialog) {
  Settle();
}

UINT DialogSession::TemplateId() const {
  return dialog_.GetTemplateId();
}

CString DialogSession::Caption() const {
  return dialog_.GetWindowText();
}

bool DialogSession::IsOpen() const {
  return dialog_.IsOpen();
}

WindowPeer& DialogSession::MutablePeer(int id) const {
  WindowPeer* peer = dialog_.PeerOf(id);
  if (!peer) throw std::out_of_range("the dialog has no control with this id");
  return *peer;
}

void DialogSession::Settle() {
  dialog_.DispatchPosted();
}

void DialogSession::FocusOn(int id) {
  if (!IsOpen()) return;
  dialog_.SetFocusFromUser(id);
  Settle();
}

void DialogSession::Type(int id, const CString& text) {
  FocusOn(id);
  WindowPeer& peer = MutablePeer(id);
  if (!IsOpen() || !peer.enabled) return;
  peer.Type(dialog_, text);
  Settle();
}

void DialogSession::Pick(int id, int index) {
  FocusOn(id);
  WindowPeer& peer = MutablePeer(id);
  if (!IsOpen() || !peer.enabled) return;
  peer.Pick(dialog_, index);
  Settle();
}

bool DialogSession::PickTreeItem(int id, const std::vector<CString>& path) {
  FocusOn(id);
  TreePeer& tree = PeerOf<TreePeer>(id);
  TreeNode* node = tree.Find(path);
  if (!node) return false;
  tree.Select(dialog_, node);
  Settle();
  return true;
}

void DialogSession::Click(int id) {
  WindowPeer& peer = MutablePeer(id);
  if (!IsOpen() || !peer.enabled) return;
  FocusOn(id);
  peer.Click(dialog_);
  Settle();
}

void DialogSession::PressOK() {
  Click(IDOK);
}

void DialogSession::PressEnter() {
  if (!IsOpen()) return;
  dialog_.Command(IDOK);
  Settle();
}

void DialogSession::Cancel() {
  if (!IsOpen()) return;
  dialog_.Command(IDCANCEL);
  Settle();
}

void DialogSession::GridInput(int id, const std::function<void(GridPeer&)>& input) {
  GridPeer& grid = PeerOf<GridPeer>(id);
  if (!IsOpen() || !grid.enabled) return;
  FocusOn(id);
  if (!IsOpen()) return;
  input(grid);
  Settle();
}

void DialogSession::ClickCell(int id, int row, int col) {
  GridInput(id, [&](GridPeer& grid) { grid.ClickCell(row, col, 0); });
}

void DialogSession::CtrlClickCell(int id, int row, int col) {
  GridInput(id, [&](GridPeer& grid) { grid.ClickCell(row, col, MK_CONTROL); });
}

void DialogSession::ShiftClickCell(int id, int row, int col) {
  GridInput(id, [&](GridPeer& grid) { grid.ClickCell(row, col, MK_SHIFT); });
}

void DialogSession::RightClickCell(int id, int row, int col) {
  GridInput(id, [&](GridPeer& grid) { grid.RightClickCell(row, col); });
}

void DialogSession::TypeIntoCell(int id, const CString& text) {
  GridInput(id, [&](GridPeer& grid) { grid.TypeIntoCurrentCell(text); });
}

void DialogSession::PressKey(int id, UINT key) {
  GridInput(id, [&](GridPeer& grid) { grid.KeyDown(key); });
}

CString DialogSession::Text(int id) const {
  return Peer(id).text;
}

bool DialogSession::Enabled(int id) const {
  return Peer(id).enabled;
}

int DialogSession::FocusId() const {
  return dialog_.GetFocusId();
}

int DialogSession::CurSel(int id) const {
  return Peer<ComboPeer>(id).curSel;
}

int DialogSession::ItemCount(int id) const {
  return static_cast<int>(Peer<ComboPeer>(id).items.size());
}

CString DialogSession::ItemText(int id, int index) const {
  return Peer<ComboPeer>(id).items.at(static_cast<size_t>(index));
}

int DialogSession::RowCount(int id) const {
  if (const auto* grid = dynamic_cast<const GridPeer*>(&MutablePeer(id))) return grid->RowCount();
  return static_cast<int>(Peer<ListPeer>(id).rows.size());
}

CString DialogSession::CellText(int id, int row, int column) const {
  if (const auto* grid = dynamic_cast<const GridPeer*>(&MutablePeer(id))) {
    if (!grid->IsCell(row, column)) throw std::out_of_range("the grid has no such cell");
    return grid->CellText(row, column);
  }
  const auto& texts = Peer<ListPeer>(id).rows.at(static_cast<size_t>(row)).texts;
  return static_cast<size_t>(column) < texts.size() ? texts[static_cast<size_t>(column)]
                                                    : CString();
}

bool DialogSession::IsMarked(int id, int row) const {
  return Peer<GridPeer>(id).IsMarked(row);
}

int DialogSession::MarkCount(int id) const {
  return Peer<GridPeer>(id).MarkCount();
}

std::pair<int, int> DialogSession::CurrentCell(int id) const {
  const GridPeer& grid = Peer<GridPeer>(id);
  return {grid.CurrentRow(), grid.CurrentCol()};
}

namespace {

void AddTreeNodes(const TreeNode& node, const TreeNode* selected, std::vector<CString>& path,
                  std::vector<TreeNodeShown>& shown) {
  for (const auto& child : node.children) {
    path.push_back(child->text);
    shown.push_back(
        {path, child->image, child->selectedImage, child->data, child.get() == selected});
    AddTreeNodes(*child, selected, path, shown);
    path.pop_back();
  }
}

}  // namespace

std::vector<TreeNodeShown> DialogSession::TreeNodes(int id) const {
  const TreePeer& tree = Peer<TreePeer>(id);
  std::vector<TreeNodeShown> shown;
  std::vector<CString> path;
  AddTreeNodes(tree.root, tree.selectedNode, path, shown);
  return shown;
}

}  // namespace afx
