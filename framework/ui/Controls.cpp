#include "framework/ui/Controls.h"

#include "framework/ui/CDialog.h"

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
  return m_peer ? m_peer->check : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
  if (!m_peer) return;
  m_peer->check = check;
  m_peer->Changed();
}

void CEdit::LimitText(int max) {
  if (m_peer) m_peer->textLimit = max < 0 ? 0 : max;
}

int CEdit::GetLimitText() const {
  return m_peer ? m_peer->textLimit : 0;
}

int CComboBox::AddString(const char* text) {
  if (!m_peer) return CB_ERR;
  m_peer->items.emplace_back(text);
  m_peer->Changed();
  return static_cast<int>(m_peer->items.size()) - 1;
}

int CComboBox::InsertString(int index, const char* text) {
  if (!m_peer) return CB_ERR;
  if (index < 0 || static_cast<size_t>(index) > m_peer->items.size()) return AddString(text);
  m_peer->items.insert(m_peer->items.begin() + index, CString(text));
  m_peer->Changed();
  return index;
}

int CComboBox::DeleteString(int index) {
  if (!m_peer || !InRange(index, m_peer->items.size())) return CB_ERR;
  m_peer->items.erase(m_peer->items.begin() + index);
  if (m_peer->curSel == index) m_peer->curSel = -1;
  if (m_peer->curSel > index) --m_peer->curSel;
  m_peer->Changed();
  return static_cast<int>(m_peer->items.size());
}

void CComboBox::ResetContent() {
  if (!m_peer) return;
  m_peer->items.clear();
  m_peer->curSel = -1;
  m_peer->Changed();
}

int CComboBox::GetCount() const {
  return m_peer ? static_cast<int>(m_peer->items.size()) : 0;
}

int CComboBox::GetCurSel() const {
  return m_peer ? m_peer->curSel : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  if (!m_peer) return CB_ERR;
  if (!InRange(index, m_peer->items.size())) {
    m_peer->curSel = -1;
    m_peer->Changed();
    return CB_ERR;
  }
  m_peer->curSel = index;
  m_peer->text = m_peer->items[static_cast<size_t>(index)];
  m_peer->Changed();
  return index;
}

int CComboBox::GetLBText(int index, CString& text) const {
  if (!m_peer || !InRange(index, m_peer->items.size())) return CB_ERR;
  text = m_peer->items[static_cast<size_t>(index)];
  return text.GetLength();
}

int CComboBox::GetLBTextLen(int index) const {
  CString text;
  return GetLBText(index, text);
}

int CComboBox::FindStringExact(int start, const char* text) const {
  if (!m_peer) return CB_ERR;
  const int n = GetCount();
  for (int k = 1; k <= n; ++k) {
    const int i = (start + k) % n;
    if (m_peer->items[static_cast<size_t>(i)].CompareNoCase(text) == 0) return i;
  }
  return CB_ERR;
}

BOOL CComboBox::LimitText(int max) {
  if (!m_peer) return FALSE;
  m_peer->textLimit = max < 0 ? 0 : max;
  return TRUE;
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
  if (!m_peer) return -1;
  auto& columns = m_peer->columns;
  const size_t at = InRange(column, columns.size()) ? static_cast<size_t>(column) : columns.size();
  columns.insert(columns.begin() + static_cast<long>(at), {CString(heading), format, width});
  m_peer->Changed();
  return static_cast<int>(at);
}

int CListCtrl::GetColumnCount() const {
  return m_peer ? static_cast<int>(m_peer->columns.size()) : 0;
}

int CListCtrl::InsertItem(int index, const char* text, int image) {
  if (!m_peer) return -1;
  auto& rows = m_peer->rows;
  const size_t at = InRange(index, rows.size()) ? static_cast<size_t>(index) : rows.size();
  afx::ListRow row;
  row.texts.emplace_back(text);
  row.image = image;
  rows.insert(rows.begin() + static_cast<long>(at), row);
  m_peer->Changed();
  return static_cast<int>(at);
}

BOOL CListCtrl::SetItemText(int item, int sub_item, const char* text) {
  if (!m_peer || !InRange(item, m_peer->rows.size()) || sub_item < 0) return FALSE;
  auto& texts = m_peer->rows[static_cast<size_t>(item)].texts;
  if (texts.size() <= static_cast<size_t>(sub_item))
    texts.resize(static_cast<size_t>(sub_item) + 1);
  texts[static_cast<size_t>(sub_item)] = CString(text);
  m_peer->Changed();
  return TRUE;
}

CString CListCtrl::GetItemText(int item, int sub_item) const {
  if (!m_peer || !InRange(item, m_peer->rows.size())) return CString();
  const auto& texts = m_peer->rows[static_cast<size_t>(item)].texts;
  return InRange(sub_item, texts.size()) ? texts[static_cast<size_t>(sub_item)] : CString();
}

int CListCtrl::GetItemImage(int item) const {
  return m_peer && InRange(item, m_peer->rows.size())
             ? m_peer->rows[static_cast<size_t>(item)].image
             : -1;
}

int CListCtrl::GetItemCount() const {
  return m_peer ? static_cast<int>(m_peer->rows.size()) : 0;
}

BOOL CListCtrl::DeleteItem(int item) {
  if (!m_peer || !InRange(item, m_peer->rows.size())) return FALSE;
  m_peer->rows.erase(m_peer->rows.begin() + item);
  m_peer->Changed();
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  if (!m_peer) return FALSE;
  m_peer->rows.clear();
  m_peer->Changed();
  return TRUE;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  if (!m_peer || !InRange(item, m_peer->rows.size())) return FALSE;
  m_peer->rows[static_cast<size_t>(item)].data = data;
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  return m_peer && InRange(item, m_peer->rows.size()) ? m_peer->rows[static_cast<size_t>(item)].data
                                                      : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  if (!m_peer || !InRange(item, m_peer->rows.size())) return FALSE;
  if (mask & LVIS_SELECTED)
    m_peer->rows[static_cast<size_t>(item)].selected = state & LVIS_SELECTED;
  m_peer->Changed();
  return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  if (!m_peer || !InRange(item, m_peer->rows.size())) return 0;
  return (mask & LVIS_SELECTED) && m_peer->rows[static_cast<size_t>(item)].selected ? LVIS_SELECTED
                                                                                    : 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
  if (!m_peer) return -1;
  for (int i = start + 1; i < GetItemCount(); ++i) {
    if (!(flags & LVNI_SELECTED) || m_peer->rows[static_cast<size_t>(i)].selected) return i;
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
  return m_peer ? m_peer->extendedStyle : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
  if (!m_peer) return 0;
  const DWORD old = m_peer->extendedStyle;
  m_peer->extendedStyle = style;
  m_peer->Changed();
  return old;
}

CImageList* CListCtrl::SetImageList(CImageList* images, int which) {
  if (!m_peer) return nullptr;
  CImageList*& slot = which == LVSIL_SMALL ? m_peer->smallImages : m_peer->normalImages;
  CImageList* old = slot;
  slot = images;
  m_peer->Changed();
  return old;
}

CImageList* CListCtrl::GetImageList(int which) const {
  if (!m_peer) return nullptr;
  return which == LVSIL_SMALL ? m_peer->smallImages : m_peer->normalImages;
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selected_image, HTREEITEM parent,
                                HTREEITEM after) {
  if (!m_peer) return nullptr;
  afx::TreeNode* owner = parent ? parent : &m_peer->root;
  auto node = std::make_unique<afx::TreeNode>();
  node->text = CString(text);
  node->image = image;
  node->selectedImage = selected_image;
  node->parent = owner;
  HTREEITEM item = node.get();
  auto& children = owner->children;
  auto at = children.end();
  for (auto it = children.begin(); after != TVI_LAST && it != children.end(); ++it) {
    if (it->get() == after) at = it + 1;
  }
  children.insert(at, std::move(node));
  m_peer->Changed();
  return item;
}

BOOL CTreeCtrl::DeleteAllItems() {
  if (!m_peer) return FALSE;
  m_peer->root.children.clear();
  m_peer->selectedNode = nullptr;
  m_peer->Changed();
  return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
  return m_peer && !m_peer->root.children.empty() ? m_peer->root.children.front().get() : nullptr;
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
  if (!item || !m_peer || item->parent == &m_peer->root) return nullptr;
  return item->parent;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
  return m_peer ? m_peer->selectedNode : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
  if (!m_peer) return FALSE;
  m_peer->selectedNode = item;
  m_peer->Changed();
  if (m_owner) m_owner->Notify(m_peer->id, TVN_SELCHANGED);
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
  if (!item || !m_peer) return FALSE;
  item->expanded = (code & TVE_EXPAND) != 0;
  m_peer->Changed();
  return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* images, int /*which*/) {
  if (!m_peer) return nullptr;
  CImageList* old = m_peer->treeImages;
  m_peer->treeImages = images;
  m_peer->Changed();
  return old;
}
