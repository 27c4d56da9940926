#include "framework/ui/Controls.h"

#include <algorithm>

#include "framework/ui/ControlOwner.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

bool InRange(int i, size_t size) {
  return i >= 0 && static_cast<size_t>(i) < size;
}

}  // namespace

int CButton::GetCheck() const {
  const auto* button = PeerAs<afx::ButtonPeer>();
  return button ? button->check : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
  auto* button = PeerAs<afx::ButtonPeer>();
  if (!button) return;
  button->check = check;
  button->Changed();
}

void CEdit::LimitText(int max) {
  if (auto* edit = PeerAs<afx::EditPeer>()) edit->textLimit = max < 0 ? 0 : max;
}

int CEdit::GetLimitText() const {
  const auto* edit = PeerAs<afx::EditPeer>();
  return edit ? edit->textLimit : 0;
}

int CComboBox::AddString(const char* text) {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return CB_ERR;
  combo->items.emplace_back(text);
  combo->Changed();
  return static_cast<int>(combo->items.size()) - 1;
}

int CComboBox::InsertString(int index, const char* text) {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return CB_ERR;
  if (index < 0 || static_cast<size_t>(index) > combo->items.size()) return AddString(text);
  combo->items.insert(combo->items.begin() + index, CString(text));
  combo->Changed();
  return index;
}

int CComboBox::DeleteString(int index) {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo || !combo->HasItem(index)) return CB_ERR;
  combo->items.erase(combo->items.begin() + index);
  if (combo->curSel == index) combo->curSel = -1;
  if (combo->curSel > index) --combo->curSel;
  combo->Changed();
  return static_cast<int>(combo->items.size());
}

void CComboBox::ResetContent() {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return;
  combo->items.clear();
  combo->curSel = -1;
  combo->Changed();
}

int CComboBox::GetCount() const {
  const auto* combo = PeerAs<afx::ComboPeer>();
  return combo ? static_cast<int>(combo->items.size()) : 0;
}

int CComboBox::GetCurSel() const {
  const auto* combo = PeerAs<afx::ComboPeer>();
  return combo ? combo->curSel : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return CB_ERR;
  if (!combo->HasItem(index)) {
    combo->curSel = -1;
    combo->Changed();
    return CB_ERR;
  }
  combo->curSel = index;
  combo->text = combo->items[static_cast<size_t>(index)];
  combo->Changed();
  return index;
}

int CComboBox::GetLBText(int index, CString& text) const {
  const auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo || !combo->HasItem(index)) return CB_ERR;
  text = combo->items[static_cast<size_t>(index)];
  return text.GetLength();
}

int CComboBox::GetLBTextLen(int index) const {
  CString text;
  return GetLBText(index, text);
}

int CComboBox::FindStringExact(int start, const char* text) const {
  const auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return CB_ERR;
  const int n = GetCount();
  for (int k = 1; k <= n; ++k) {
    const int i = (start + k) % n;
    if (combo->items[static_cast<size_t>(i)].CompareNoCase(text) == 0) return i;
  }
  return CB_ERR;
}

BOOL CComboBox::LimitText(int max) {
  auto* combo = PeerAs<afx::ComboPeer>();
  if (!combo) return FALSE;
  combo->textLimit = max < 0 ? 0 : max;
  return TRUE;
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list) return -1;
  auto& columns = list->columns;
  const size_t at = InRange(column, columns.size()) ? static_cast<size_t>(column) : columns.size();
  columns.insert(columns.begin() + static_cast<long>(at), {CString(heading), format, width});
  list->Changed();
  return static_cast<int>(at);
}

int CListCtrl::GetColumnCount() const {
  const auto* list = PeerAs<afx::ListPeer>();
  return list ? static_cast<int>(list->columns.size()) : 0;
}

int CListCtrl::InsertItem(int index, const char* text, int image) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list) return -1;
  auto& rows = list->rows;
  const size_t at = InRange(index, rows.size()) ? static_cast<size_t>(index) : rows.size();
  afx::ListRow row;
  row.texts.emplace_back(text);
  row.image = image;
  rows.insert(rows.begin() + static_cast<long>(at), row);
  list->Changed();
  return static_cast<int>(at);
}

BOOL CListCtrl::SetItemText(int item, int sub_item, const char* text) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size()) || sub_item < 0) return FALSE;
  auto& texts = list->rows[static_cast<size_t>(item)].texts;
  if (texts.size() <= static_cast<size_t>(sub_item))
    texts.resize(static_cast<size_t>(sub_item) + 1);
  texts[static_cast<size_t>(sub_item)] = CString(text);
  list->Changed();
  return TRUE;
}

CString CListCtrl::GetItemText(int item, int sub_item) const {
  const auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size())) return CString();
  const auto& texts = list->rows[static_cast<size_t>(item)].texts;
  return InRange(sub_item, texts.size()) ? texts[static_cast<size_t>(sub_item)] : CString();
}

int CListCtrl::GetItemImage(int item) const {
  const auto* list = PeerAs<afx::ListPeer>();
  return list && InRange(item, list->rows.size()) ? list->rows[static_cast<size_t>(item)].image
                                                  : -1;
}

int CListCtrl::GetItemCount() const {
  const auto* list = PeerAs<afx::ListPeer>();
  return list ? static_cast<int>(list->rows.size()) : 0;
}

BOOL CListCtrl::DeleteItem(int item) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size())) return FALSE;
  list->rows.erase(list->rows.begin() + item);
  list->Changed();
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list) return FALSE;
  list->rows.clear();
  list->Changed();
  return TRUE;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size())) return FALSE;
  list->rows[static_cast<size_t>(item)].data = data;
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  const auto* list = PeerAs<afx::ListPeer>();
  return list && InRange(item, list->rows.size()) ? list->rows[static_cast<size_t>(item)].data : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size())) return FALSE;
  if (mask & LVIS_SELECTED) list->rows[static_cast<size_t>(item)].selected = state & LVIS_SELECTED;
  list->Changed();
  return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  const auto* list = PeerAs<afx::ListPeer>();
  if (!list || !InRange(item, list->rows.size())) return 0;
  return (mask & LVIS_SELECTED) && list->rows[static_cast<size_t>(item)].selected ? LVIS_SELECTED
                                                                                  : 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
  const auto* list = PeerAs<afx::ListPeer>();
  if (!list) return -1;
  for (int i = start + 1; i < GetItemCount(); ++i) {
    if (!(flags & LVNI_SELECTED) || list->rows[static_cast<size_t>(i)].selected) return i;
  }
  return -1;
}

int CListCtrl::GetSelectedCount() const {
  int n = 0;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    ++n;
  return n;
}

DWORD CListCtrl::GetExtendedStyle() const {
  const auto* list = PeerAs<afx::ListPeer>();
  return list ? list->extendedStyle : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list) return 0;
  const DWORD old = list->extendedStyle;
  list->extendedStyle = style;
  list->Changed();
  return old;
}

CImageList* CListCtrl::SetImageList(CImageList* images, int which) {
  auto* list = PeerAs<afx::ListPeer>();
  if (!list) return nullptr;
  CImageList*& slot = which == LVSIL_SMALL ? list->smallImages : list->normalImages;
  CImageList* old = slot;
  slot = images;
  list->Changed();
  return old;
}

CImageList* CListCtrl::GetImageList(int which) const {
  const auto* list = PeerAs<afx::ListPeer>();
  if (!list) return nullptr;
  return which == LVSIL_SMALL ? list->smallImages : list->normalImages;
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selected_image, HTREEITEM parent,
                                HTREEITEM after) {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!tree) return nullptr;
  afx::TreeNode* owner = parent ? parent : &tree->root;
  auto node = std::make_unique<afx::TreeNode>();
  node->text = CString(text);
  node->image = image;
  node->selectedImage = selected_image;
  node->parent = owner;
  HTREEITEM item = node.get();
  auto& children = owner->children;
  auto at = children.end();
  if (after == TVI_SORT) {
    at = std::find_if(children.begin(), children.end(),
                      [&](const auto& child) { return child->text.CompareNoCase(item->text) > 0; });
  }
  for (auto it = children.begin(); after != TVI_LAST && after != TVI_SORT && it != children.end();
       ++it) {
    if (it->get() == after) at = it + 1;
  }
  children.insert(at, std::move(node));
  tree->Changed();
  return item;
}

BOOL CTreeCtrl::DeleteAllItems() {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!tree) return FALSE;
  tree->root.children.clear();
  tree->selectedNode = nullptr;
  tree->Changed();
  return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
  const auto* tree = PeerAs<afx::TreePeer>();
  return tree && !tree->root.children.empty() ? tree->root.children.front().get() : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
  return item && !item->children.empty() ? item->children.front().get() : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
  if (!item || !item->parent) return nullptr;
  const auto& siblings = item->parent->children;
  for (size_t i = 0; i + 1 < siblings.size(); ++i) {
    if (siblings[i].get() == item) return siblings[i + 1].get();
  }
  return nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
  const auto* tree = PeerAs<afx::TreePeer>();
  if (!item || !tree || item->parent == &tree->root) return nullptr;
  return item->parent;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
  const auto* tree = PeerAs<afx::TreePeer>();
  return tree ? tree->selectedNode : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!tree) return FALSE;
  tree->selectedNode = item;
  tree->Changed();
  if (m_owner) m_owner->Notify(tree->id, TVN_SELCHANGED);
  return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
  return item ? item->text : CString();
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
  if (!item) return FALSE;
  item->data = data;
  return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
  return item ? item->data : 0;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!item || !tree) return FALSE;
  item->expanded = (code & TVE_EXPAND) != 0;
  tree->Changed();
  return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!item || !tree) return FALSE;
  for (afx::TreeNode* above = item->parent; above && above != &tree->root; above = above->parent)
    above->expanded = true;
  tree->Changed();
  return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* images, int /*which*/) {
  auto* tree = PeerAs<afx::TreePeer>();
  if (!tree) return nullptr;
  CImageList* old = tree->images;
  tree->images = images;
  tree->Changed();
  return old;
}
