#include "framework/ui/ControlPeers.h"

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

}  // namespace afx
