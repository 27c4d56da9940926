// CMultiFolderSettingDialog: the batch setting dialog for drawing files that go into several
// register folders at once. A tree on the left shows the destination folders; the grid on the
// right shows and edits copies of the records of the folder selected. At OK every folder is
// checked on its own, and the caller's records change only when all of them pass.
#pragma once

#include "dialogs/DrawingMultiFileInfo.h"
#include "framework/ui/CImageList.h"
#include "framework/ui/Controls.h"
#include "hostlibs/dlgbase/BitButton.h"
#include "hostlibs/dlgbase/DialogBase.h"
#include "register/TVector.h"

class CDrawingMultiFolder;
class CDrawingMultiFolderBuff;
class CEnvironObj;
class CMultiSettingSheet;
class CStdDraftMgr;

class CMultiFolderSettingDialog : public DialogBase {
  DECLARE_DYNAMIC(CMultiFolderSettingDialog)

 public:
  // basePath is the folder the tree starts below; rows are the caller's, not owned.
  CMultiFolderSettingDialog(const CString& basePath, TVector<DrawingMultiFileInfo>* rows,
                            const CEnvironObj* env, CStdDraftMgr* draft, CWnd* parent);
  ~CMultiFolderSettingDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  struct SortKey;
  static int CompareKeys(const void* a, const void* b);

  // Sorts the rows parents first and adds each to the entry of its folder.
  void GroupRows();
  void FillTree();
  // The node an entry hangs under, path nodes made on the way.
  HTREEITEM ParentNodeOf(int entry);
  // The node whose item data is data, searched depth first below item (the whole tree for null).
  HTREEITEM FindNode(HTREEITEM item, DWORD_PTR data) const;
  void ExpandAll(HTREEITEM item);
  // The entry of the selected node, or null for a path node.
  CDrawingMultiFolder* SelectedEntry() const;
  // Selects the node of the entry (the grid follows).
  void SelectEntry(int entry);

  void OnSelectAll();
  void OnTypeSelect();
  void OnRegisteredList();
  void OnPageRenNo();
  void OnFolderChanged(NMHDR* header, LRESULT* result);

  BitButton select_all_;
  CTreeCtrl tree_;
  CImageList images_;
  CString base_path_;
  TVector<DrawingMultiFileInfo>* rows_;
  const CEnvironObj* env_;
  CStdDraftMgr* draft_;
  CDrawingMultiFolderBuff* entries_;
  CMultiSettingSheet* sheet_;

  DECLARE_MESSAGE_MAP()
};
