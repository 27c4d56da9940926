#include "dialogs/CMultiFolderSettingDialog.h"

#include <cstdlib>

#include "dialogs/BatchCommands.h"
#include "dialogs/CDrawingMultiFolderBuff.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CheckDrawingNames.h"
#include "dialogs/DialogResources.h"
#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"

using namespace drawreg;

IMPLEMENT_DYNAMIC(CMultiFolderSettingDialog, CDialog)

BEGIN_MESSAGE_MAP(CMultiFolderSettingDialog, DialogBase)
ON_BN_CLICKED(IDC_SELECT_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_TYPE_SELECT, OnTypeSelect)
ON_BN_CLICKED(IDC_REGISTERED_LIST, OnRegisteredList)
ON_BN_CLICKED(IDC_PAGE_REN_NO, OnPageRenNo)
ON_NOTIFY(TVN_SELCHANGED, IDC_FOLDER_TREE, OnFolderChanged)
END_MESSAGE_MAP()

namespace {

// The grid's text height in pixels.
constexpr int kTextHeight = 12;
// The tree's pictures: a folder on the way, a destination folder, each also when selected.
constexpr int kImageWidth = 20;
constexpr int kPathImage = 0;
constexpr int kPathSelectedImage = 1;
constexpr int kFolderImage = 2;
constexpr int kFolderSelectedImage = 3;

}  // namespace

// A row's place in the order of the tree: shallow folders first, then by path, then the
// caller's order.
struct CMultiFolderSettingDialog::SortKey {
  int index;
  int depth;
  const CString* path;
};

int CMultiFolderSettingDialog::CompareKeys(const void* a, const void* b) {
  const auto* x = static_cast<const SortKey*>(a);
  const auto* y = static_cast<const SortKey*>(b);
  if (x->depth != y->depth) return x->depth < y->depth ? -1 : 1;
  if (const int byPath = x->path->CompareNoCase(*y->path)) return byPath;
  return x->index < y->index ? -1 : (x->index > y->index ? 1 : 0);
}

CMultiFolderSettingDialog::CMultiFolderSettingDialog(const CString& basePath,
                                                     TVector<DrawingMultiFileInfo>* rows,
                                                     const CEnvironObj* env, CStdDraftMgr* draft,
                                                     CWnd* parent)
    : DialogBase(IDD_MULTI_FOLDER_SETTING, parent),
      base_path_(basePath),
      rows_(rows),
      env_(env),
      draft_(draft),
      entries_(new CDrawingMultiFolderBuff(env)) {
  GroupRows();
  sheet_ = new CMultiSettingSheet(nullptr, env, draft, this, kTextHeight);
}

CMultiFolderSettingDialog::~CMultiFolderSettingDialog() {
  // The sheet shows rows the entries own: it goes first.
  delete sheet_;
  delete entries_;
}

void CMultiFolderSettingDialog::GroupRows() {
  const int count = rows_ ? rows_->GetCnt() : 0;
  TVector<SortKey> keys(count > 0 ? count : 1);
  bool baseIsRow = false;
  for (int i = 0; i < count; ++i) {
    const CString& path = (*rows_)[i].folderPath;
    int depth = 0;
    for (CString p = path; !p.IsEmpty(); p = env_->GetDirNameFromRelativePath(p))
      ++depth;
    keys.Append({i, depth, &path});
    if (base_path_.CompareNoCase(path) == 0) baseIsRow = true;
  }
  if (keys.GetCnt() >= 2) std::qsort(&keys[0], keys.GetCnt(), sizeof(SortKey), CompareKeys);
  // The base folder itself then shows as a node of its own, under its parent.
  if (baseIsRow) base_path_ = env_->GetDirNameFromRelativePath(base_path_);
  int entry = -1;
  for (int k = 0; k < keys.GetCnt(); ++k) {
    const DrawingMultiFileInfo& row = (*rows_)[keys[k].index];
    if (k == 0 || row.folderPath.CompareNoCase(*keys[k - 1].path) != 0)
      entry = entries_->AddMultiFolder(row.folderPath, row.folder);
    if (row.file) (*entries_)[entry]->AddRecord(row.file);
  }
}

void CMultiFolderSettingDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_SELECT_ALL, select_all_);
  DDX_Control(dx, IDC_FOLDER_TREE, tree_);
  // The sheet takes the list box over: from here on the grid shows and handles it.
  DDX_Control(dx, IDC_SHEET, *sheet_);
}

BOOL CMultiFolderSettingDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  ShowSelectAllPicture(select_all_);
  FillTree();
  return TRUE;
}

void CMultiFolderSettingDialog::FillTree() {
  images_.Create(IDB_FOLDER_TREE, kImageWidth, 1, RGB(255, 0, 255));
  tree_.SetImageList(&images_, TVSIL_NORMAL);
  HTREEITEM first = nullptr;
  for (int k = 0; k < entries_->GetCnt(); ++k) {
    const CString name = env_->GetFileNameFromRelativePath((*entries_)[k]->path);
    HTREEITEM node =
        tree_.InsertItem(name, kFolderImage, kFolderSelectedImage, ParentNodeOf(k), TVI_SORT);
    tree_.SetItemData(node, static_cast<DWORD_PTR>(k + 1));
    if (!first) first = node;
  }
  for (HTREEITEM top = tree_.GetRootItem(); top; top = tree_.GetNextSiblingItem(top))
    ExpandAll(top);
  if (!first) first = tree_.GetRootItem();
  tree_.SelectItem(first);
  tree_.EnsureVisible(first);
}

HTREEITEM CMultiFolderSettingDialog::ParentNodeOf(int entry) {
  const CDrawingMultiFolder& folder = *(*entries_)[entry];
  if (folder.parentIndex >= 0)
    return FindNode(nullptr, static_cast<DWORD_PTR>(folder.parentIndex + 1));
  // A folder with no parent among the entries lies below the base path; folders between them
  // get path nodes.
  const CString rest = folder.path.Mid(base_path_.GetLength() + 1);
  HTREEITEM parent = TVI_ROOT;
  for (int from = 0, at = rest.Find(kPathSeparator); at >= 0;
       from = at + 1, at = rest.Find(kPathSeparator, from)) {
    const CString step = rest.Mid(from, at - from);
    HTREEITEM child = parent ? tree_.GetChildItem(parent) : tree_.GetRootItem();
    while (child && tree_.GetItemText(child).CompareNoCase(step) != 0)
      child = tree_.GetNextSiblingItem(child);
    if (!child) {
      child = tree_.InsertItem(step, kPathImage, kPathSelectedImage, parent, TVI_SORT);
      tree_.SetItemData(child, 0);
    }
    parent = child;
  }
  return parent;
}

HTREEITEM CMultiFolderSettingDialog::FindNode(HTREEITEM item, DWORD_PTR data) const {
  HTREEITEM child = item ? tree_.GetChildItem(item) : tree_.GetRootItem();
  for (; child; child = tree_.GetNextSiblingItem(child)) {
    if (tree_.GetItemData(child) == data) return child;
    if (HTREEITEM found = FindNode(child, data)) return found;
  }
  return nullptr;
}

void CMultiFolderSettingDialog::ExpandAll(HTREEITEM item) {
  tree_.Expand(item, TVE_EXPAND);
  for (HTREEITEM child = tree_.GetChildItem(item); child; child = tree_.GetNextSiblingItem(child))
    ExpandAll(child);
}

CDrawingMultiFolder* CMultiFolderSettingDialog::SelectedEntry() const {
  const DWORD_PTR data = tree_.GetItemData(tree_.GetSelectedItem());
  if (data == 0 || data > static_cast<DWORD_PTR>(entries_->GetCnt())) return nullptr;
  return (*entries_)[static_cast<int>(data) - 1];
}

void CMultiFolderSettingDialog::SelectEntry(int entry) {
  tree_.SelectItem(FindNode(nullptr, static_cast<DWORD_PTR>(entry + 1)));
}

void CMultiFolderSettingDialog::OnFolderChanged(NMHDR* /*header*/, LRESULT* result) {
  CDrawingMultiFolder* entry = SelectedEntry();
  sheet_->SetRecords(entry ? &entry->copies : nullptr);
  const bool rows = sheet_->GetRecCnt() > 0;
  select_all_.EnableWindow(rows);
  GetDlgItem(IDC_PAGE_REN_NO)->EnableWindow(rows);
  GetDlgItem(IDC_TYPE_SELECT)->EnableWindow(rows);
  GetDlgItem(IDC_REGISTERED_LIST)->EnableWindow(rows && entry->targetFolder);
  *result = 0;
}

void CMultiFolderSettingDialog::OnSelectAll() {
  SelectAllRows(*sheet_);
}

void CMultiFolderSettingDialog::OnTypeSelect() {
  ChooseTypeOfMarkedRows(*sheet_, draft_, this);
}

void CMultiFolderSettingDialog::OnRegisteredList() {
  const CDrawingMultiFolder* entry = SelectedEntry();
  if (entry && entry->targetFolder) ShowRegisteredFiles(env_, entry->targetFolder, this);
}

void CMultiFolderSettingDialog::OnPageRenNo() {
  NumberMarkedRows(*sheet_, this);
}

void CMultiFolderSettingDialog::OnOK() {
  if (!FocusIsOnOK(*this)) {
    DialogBase::OnOK();
    return;
  }
  for (int k = 0; k < entries_->GetCnt(); ++k) {
    CDrawingMultiFolder& entry = *(*entries_)[k];
    int first = 0;
    int second = 0;
    const int result =
        CheckDrawingNames(env_, entry.targetFolder, &entry.copies, &entry.records, &first, &second);
    if (result == 0) continue;
    SelectEntry(k);
    if (sheet_->GetRecords() != &entry.copies) sheet_->SetRecords(&entry.copies);
    sheet_->ShowNameProblem(result, first, second);
    GotoDlgCtrl(sheet_);
    return;
  }
  for (int k = 0; k < entries_->GetCnt(); ++k)
    WriteBack((*entries_)[k]->copies, (*entries_)[k]->records);
  DialogBase::OnOK();
}
