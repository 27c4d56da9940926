// The controls: thin handles over the peers of their kind, with the framework's operations. A
// handle bound to a control of another kind does nothing and answers as for no control.
#pragma once

#include "framework/ui/CImageList.h"
#include "framework/ui/CWnd.h"
#include "framework/ui/ControlPeers.h"

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  int GetCheck() const;
  void SetCheck(int check);
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  // At most max bytes can be typed; 0 removes the limit.
  void LimitText(int max);
  void SetLimitText(int max) { LimitText(max); }
  int GetLimitText() const;
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  // Selects an item and shows its text in the edit field; -1 clears the selection.
  int SetCurSel(int index);
  int GetLBText(int index, CString& text) const;
  int GetLBTextLen(int index) const;
  int FindStringExact(int start, const char* text) const;
  BOOL LimitText(int max);
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1);
  int GetColumnCount() const;
  int InsertItem(int index, const char* text, int image = -1);
  BOOL SetItemText(int item, int sub_item, const char* text);
  CString GetItemText(int item, int sub_item) const;
  int GetItemImage(int item) const;
  int GetItemCount() const;
  BOOL DeleteItem(int item);
  BOOL DeleteAllItems();
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const;
  int GetNextItem(int start, UINT flags) const;
  int GetSelectedCount() const;
  DWORD GetExtendedStyle() const;
  DWORD SetExtendedStyle(DWORD style);
  CImageList* SetImageList(CImageList* images, int which);
  CImageList* GetImageList(int which) const;
};

using HTREEITEM = afx::TreeNode*;
inline HTREEITEM const TVI_ROOT = nullptr;
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::uintptr_t>(-2));
// Inserted among its siblings in the order of their texts, letters of either case alike.
inline HTREEITEM const TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<std::uintptr_t>(-3));

class CTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CTreeCtrl)

 public:
  HTREEITEM InsertItem(const char* text, int image, int selected_image, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  BOOL DeleteAllItems();
  HTREEITEM GetRootItem() const;
  HTREEITEM GetChildItem(HTREEITEM item) const;
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
  HTREEITEM GetParentItem(HTREEITEM item) const;
  HTREEITEM GetSelectedItem() const;
  BOOL SelectItem(HTREEITEM item);
  CString GetItemText(HTREEITEM item) const;
  BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
  DWORD_PTR GetItemData(HTREEITEM item) const;
  BOOL Expand(HTREEITEM item, UINT code);
  // Expands every node above item, so that it can be seen.
  BOOL EnsureVisible(HTREEITEM item);
  CImageList* SetImageList(CImageList* images, int which);
};
