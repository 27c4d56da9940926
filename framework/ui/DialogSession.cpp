#include "framework/ui/DialogSession.h"

#include <stdexcept>

#include "framework/Mbcs.h"
#include "framework/ui/CDialog.h"

namespace afx {

CString TypedText(const WindowPeer& peer, const CString& text) {
  const bool digits_only = peer.kind == ControlKind::Edit && (peer.style & ES_NUMBER);
  CString out;
  const char* p = text.GetString();
  const char* end = p + text.GetLength();
  while (p < end) {
    const int len = CharLength(p, end);
    const bool digit = len == 1 && *p >= '0' && *p <= '9';
    if (!digits_only || digit) {
      if (peer.textLimit > 0 && out.GetLength() + len > peer.textLimit) break;
      out += CString(p, len);
    }
    p += len;
  }
  return out;
}

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

const WindowPeer& DialogSession::Peer(int id) const {
  return MutablePeer(id);
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
  peer.text = TypedText(peer, text);
  peer.Changed();
  if (peer.kind == ControlKind::Edit) {
    dialog_.Notify(id, EN_UPDATE);
    dialog_.Notify(id, EN_CHANGE);
  } else if (peer.kind == ControlKind::ComboBox) {
    peer.curSel = -1;
    dialog_.Notify(id, CBN_EDITUPDATE);
    dialog_.Notify(id, CBN_EDITCHANGE);
  }
  Settle();
}

void DialogSession::Pick(int id, int index) {
  FocusOn(id);
  WindowPeer& peer = MutablePeer(id);
  if (!IsOpen() || !peer.enabled) return;
  if (peer.kind == ControlKind::ComboBox) {
    if (index < 0 || static_cast<size_t>(index) >= peer.items.size()) return;
    peer.curSel = index;
    const bool has_edit = (peer.style & CBS_TYPEMASK) == CBS_DROPDOWN;
    // A drop-down list shows the pick at once; a combo box's edit field takes the item's
    // text only after the selection notification.
    if (!has_edit) peer.text = peer.items[static_cast<size_t>(index)];
    peer.Changed();
    dialog_.Notify(id, CBN_SELCHANGE);
    // The handler may have changed the list: the edit field shows what is selected now.
    if (has_edit && peer.curSel >= 0 && static_cast<size_t>(peer.curSel) < peer.items.size()) {
      peer.text = peer.items[static_cast<size_t>(peer.curSel)];
      peer.Changed();
    }
  } else if (peer.kind == ControlKind::ListView) {
    for (size_t i = 0; i < peer.rows.size(); ++i)
      peer.rows[i].selected = i == size_t(index);
    peer.Changed();
    NMHDR header{&peer, static_cast<UINT>(id), LVN_ITEMCHANGED};
    dialog_.Notify(id, LVN_ITEMCHANGED, &header);
  }
  Settle();
}

bool DialogSession::PickTreeItem(int id, const std::vector<CString>& path) {
  FocusOn(id);
  WindowPeer& peer = MutablePeer(id);
  TreeNode* node = &peer.root;
  for (const CString& text : path) {
    TreeNode* next = nullptr;
    for (const auto& child : node->children) {
      if (child->text == text) next = child.get();
    }
    if (!next) return false;
    node = next;
  }
  peer.selectedNode = node;
  peer.Changed();
  NMHDR header{&peer, static_cast<UINT>(id), TVN_SELCHANGED};
  dialog_.Notify(id, TVN_SELCHANGED, &header);
  Settle();
  return true;
}

void DialogSession::Click(int id) {
  WindowPeer& peer = MutablePeer(id);
  if (!IsOpen() || !peer.enabled) return;
  FocusOn(id);
  if ((peer.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
    dialog_.CheckRadioInGroup(id);
  } else if ((peer.style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
    peer.check = peer.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    peer.Changed();
  }
  dialog_.Command(id);
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
  return Peer(id).curSel;
}

int DialogSession::ItemCount(int id) const {
  return static_cast<int>(Peer(id).items.size());
}

CString DialogSession::ItemText(int id, int index) const {
  return Peer(id).items.at(static_cast<size_t>(index));
}

int DialogSession::RowCount(int id) const {
  return static_cast<int>(Peer(id).rows.size());
}

CString DialogSession::CellText(int id, int row, int column) const {
  const auto& texts = Peer(id).rows.at(static_cast<size_t>(row)).texts;
  return static_cast<size_t>(column) < texts.size() ? texts[static_cast<size_t>(column)]
                                                    : CString();
}

}  // namespace afx
