#include "framework/ui/ControlPeers.h"

#include <algorithm>

#include "framework/Mbcs.h"
#include "framework/ui/ControlOwner.h"

namespace afx {

std::unique_ptr<WindowPeer> MakePeer(const ControlTemplate& t) {
  switch (t.kind) {
    case ControlKind::Button:
      return std::make_unique<ButtonPeer>(t);
    case ControlKind::Edit:
      return std::make_unique<EditPeer>(t);
    case ControlKind::ComboBox:
      return std::make_unique<ComboPeer>(t);
    case ControlKind::ListView:
      return std::make_unique<ListPeer>(t);
    case ControlKind::TreeView:
      return std::make_unique<TreePeer>(t);
    case ControlKind::ListBox:
    case ControlKind::Grid:
      return std::make_unique<GridPeer>(t);
    case ControlKind::Static:
    default:
      return std::make_unique<StaticPeer>(t);
  }
}

void WindowPeer::Click(ControlOwner& dialog) {
  dialog.Command(id);
}

bool ButtonPeer::TakesFocus() const {
  return !IsGroupBox() && WindowPeer::TakesFocus();
}

void ButtonPeer::Click(ControlOwner& dialog) {
  if (IsAutoRadio()) {
    dialog.CheckRadioInGroup(id);
  } else if (ButtonType() == BS_AUTOCHECKBOX) {
    check = check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  }
  // Also a button that does not check itself shows its state again: a widget on screen may
  // have toggled on its own.
  Changed();
  dialog.Command(id);
}

CString TextInputPeer::Accepted(const CString& before, const CString& typed,
                                const CString& after) const {
  const int kept = before.GetLength() + after.GetLength();
  CString out;
  const char* p = typed.GetString();
  const char* end = p + typed.GetLength();
  while (p < end) {
    const int len = CharLength(p, end);
    if (Takes(p, len)) {
      if (textLimit > 0 && kept + out.GetLength() + len > textLimit) break;
      out += CString(p, len);
    }
    p += len;
  }
  return out;
}

UINT EditPeer::FocusNotification(bool gained) const {
  return gained ? EN_SETFOCUS : EN_KILLFOCUS;
}

void EditPeer::TextSetByProgram(ControlOwner& dialog) {
  dialog.Notify(id, EN_UPDATE);
  dialog.Notify(id, EN_CHANGE);
}

bool TextInputPeer::Type(ControlOwner& dialog, const CString& typed) {
  if (!HasEditField()) return false;
  Edited(dialog, TypedText(typed));
  return true;
}

void EditPeer::Edited(ControlOwner& dialog, const CString& edited) {
  text = edited;
  Changed();
  dialog.Notify(id, EN_UPDATE);
  dialog.Notify(id, EN_CHANGE);
}

bool EditPeer::Takes(const char* c, int len) const {
  if (!(style & ES_NUMBER)) return true;
  return len == 1 && *c >= '0' && *c <= '9';
}

UINT ComboPeer::FocusNotification(bool gained) const {
  return gained ? CBN_SETFOCUS : CBN_KILLFOCUS;
}

void ComboPeer::Edited(ControlOwner& dialog, const CString& edited) {
  text = edited;
  curSel = -1;
  Changed();
  dialog.Notify(id, CBN_EDITUPDATE);
  dialog.Notify(id, CBN_EDITCHANGE);
}

bool ComboPeer::Pick(ControlOwner& dialog, int index) {
  if (!HasItem(index)) return false;
  curSel = index;
  if (!HasEditField()) text = items[static_cast<size_t>(index)];
  Changed();
  dialog.Notify(id, CBN_SELCHANGE);
  // The handler may have changed the list or the pick.
  if (HasEditField() && HasItem(curSel)) {
    text = items[static_cast<size_t>(curSel)];
    Changed();
  }
  return true;
}

bool ListPeer::Pick(ControlOwner& dialog, int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows.size()) return false;
  std::vector<bool> selected(rows.size(), false);
  selected[static_cast<size_t>(index)] = true;
  Select(dialog, selected);
  return true;
}

bool ListPeer::Select(ControlOwner& dialog, const std::vector<bool>& selected) {
  bool changed = false;
  for (size_t i = 0; i < rows.size(); ++i) {
    const bool now = i < selected.size() && selected[i];
    if (rows[i].selected != now) changed = true;
    rows[i].selected = now;
  }
  if (!changed) return false;
  Changed();
  NMHDR header{this, static_cast<UINT>(id), LVN_ITEMCHANGED};
  dialog.Notify(id, LVN_ITEMCHANGED, &header);
  return true;
}

void TreePeer::Select(ControlOwner& dialog, TreeNode* node) {
  selectedNode = node;
  Changed();
  NMHDR header{this, static_cast<UINT>(id), TVN_SELCHANGED};
  dialog.Notify(id, TVN_SELCHANGED, &header);
}

TreeNode* TreePeer::Find(const std::vector<CString>& path) {
  TreeNode* node = &root;
  for (const CString& step : path) {
    TreeNode* next = nullptr;
    for (const auto& child : node->children) {
      if (child->text == step) next = child.get();
    }
    if (!next) return nullptr;
    node = next;
  }
  return node;
}

void GridState::SetRowCount(int count) {
  count = count < 0 ? 0 : count;
  if (count < RowCount()) {
    for (int row = count; row < RowCount(); ++row)
      mark_count_ -= marks_[static_cast<size_t>(row)];
  }
  marks_.resize(static_cast<size_t>(count), 0);
  if (current_row_ >= count) current_row_ = count > 0 ? count - 1 : 0;
  if (anchorRow >= count) anchorRow = current_row_;
}

void GridState::SetCurrent(int row, int col) {
  if (!IsCell(row, col)) return;
  current_row_ = row;
  current_col_ = col;
}

void GridState::SetMark(int row, bool marked) {
  if (row < 0 || row >= RowCount()) return;
  char& mark = marks_[static_cast<size_t>(row)];
  mark_count_ += (marked ? 1 : 0) - mark;
  mark = marked ? 1 : 0;
}

void GridState::MarkAlone(int row) {
  MarkRange(row, row);
}

void GridState::ClearMarks() {
  std::fill(marks_.begin(), marks_.end(), 0);
  mark_count_ = 0;
}

void GridState::MarkRange(int first, int last) {
  if (first > last) std::swap(first, last);
  ClearMarks();
  for (int row = std::max(first, 0); row <= last && row < RowCount(); ++row) {
    marks_[static_cast<size_t>(row)] = 1;
    ++mark_count_;
  }
}

void GridState::MarkAll() {
  std::fill(marks_.begin(), marks_.end(), 1);
  mark_count_ = RowCount();
}

GridPeer::~GridPeer() {
  if (client) client->GridDestroyed();
}

CString GridPeer::CellText(int row, int col) const {
  return client && IsCell(row, col) ? client->CellText(row, col) : CString();
}

int GridPeer::EditKind(int row, int col) const {
  return client && IsCell(row, col) ? client->CellEditKind(row, col) : 0;
}

int GridPeer::InputLimit(int row, int col) const {
  return client && IsCell(row, col) ? client->CellInputLimit(row, col) : 0;
}

int GridPeer::Form(int row, int col) const {
  return client && IsCell(row, col) ? client->CellForm(row, col) : 0;
}

bool GridPeer::Color(int row, int col, unsigned long* color) const {
  return client && IsCell(row, col) && client->CellColor(row, col, color);
}

CString GridPeer::TypedText(int row, int col, const CString& typed) const {
  if (EditKind(row, col) != 1) return CString();
  const int limit = InputLimit(row, col);
  const char* p = typed.GetString();
  const char* end = p + typed.GetLength();
  int taken = 0;
  while (p + taken < end) {
    const int len = CharLength(p + taken, end);
    if (limit > 0 && taken + len > limit) break;
    taken += len;
  }
  return CString(p, taken);
}

void GridPeer::ClickCell(int row, int col, UINT keys) {
  if (!client || !IsCell(row, col)) return;
  heldKeys = keys;
  client->MouseMessage(WM_LBUTTONDOWN, row, col);
  if (client) client->MouseMessage(WM_LBUTTONUP, row, col);
  heldKeys = 0;
}

void GridPeer::RightClickCell(int row, int col) {
  if (!client || !IsCell(row, col)) return;
  client->MouseMessage(WM_RBUTTONDOWN, row, col);
  if (client) client->MouseMessage(WM_RBUTTONUP, row, col);
}

bool GridPeer::TypeIntoCurrentCell(const CString& text) {
  const int row = CurrentRow();
  const int col = CurrentCol();
  if (!client || EditKind(row, col) != 1) return false;
  client->CellTyped(row, col, TypedText(row, col, text));
  // The window may have changed any row: all are shown anew.
  ++drawCount;
  Changed();
  return true;
}

void GridPeer::KeyDown(UINT key) {
  if (client) client->KeyMessage(key);
}

void GridPeer::HeadingClick(int col) {
  if (client && col >= 0 && col < ColumnCount()) client->HeadingClicked(col);
}

}  // namespace afx
