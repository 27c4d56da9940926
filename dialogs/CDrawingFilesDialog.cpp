#include "dialogs/CDrawingFilesDialog.h"

#include <ctime>

#include "dialogs/DialogResources.h"
#include "framework/CFile.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"

IMPLEMENT_DYNAMIC(CDrawingFilesDialog, CDialog)

CDrawingFilesDialog::CDrawingFilesDialog(const CEnvironObj* env, CDrawingFolder* folder,
                                         CWnd* parent)
    : DialogBase(drawreg::IDD_DRAWING_FILES, parent), env_(env), folder_(folder) {}

void CDrawingFilesDialog::DoDataExchange(CDataExchange* dx) {
  DialogBase::DoDataExchange(dx);
  DDX_Control(dx, drawreg::IDC_FILE_LIST, list_);
}

BOOL CDrawingFilesDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  images_.Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                 ILC_COLOR8 | ILC_MASK, 0, 32);
  list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  list_.SetImageList(&images_, LVSIL_SMALL);
  list_.SetImageList(&images_, LVSIL_NORMAL);
  list_.InsertColumn(0, CString(u8"元ファイル名"), LVCFMT_LEFT, 200);
  list_.InsertColumn(1, CString(u8"成果ファイル名"), LVCFMT_LEFT, 200);
  list_.InsertColumn(2, CString(u8"サイズ"), LVCFMT_RIGHT, 80);
  list_.InsertColumn(3, CString(u8"更新日時"), LVCFMT_LEFT, 150);
  for (int i = 0; i < folder_->GetFileCount(); ++i)
    AddRow(*folder_->GetFile(i));
  return TRUE;
}

void CDrawingFilesDialog::AddRow(const CDrawingFile& file) {
  const CString path = file.GetFilePath(*env_, 1);
  CFileStatus status;
  // A file that vanished since the folder was loaded keeps its row, without icon or figures.
  const bool found = CFile::GetStatus(path, status) != 0;
  const int image = found ? ImageOf(path) : -1;
  const int row = list_.InsertItem(list_.GetItemCount(), file.Name(1), image);
  list_.SetItemText(row, 1, file.Name(0, env_->GetNaming()));
  list_.SetItemText(row, 2, found ? SizeText(status.m_size) : CString());
  list_.SetItemText(row, 3, found ? TimeText(status.m_mtime) : CString());
}

int CDrawingFilesDialog::ImageOf(const CString& path) {
  afx::ShellFileInfo info;
  if (!afx::GetShellFileInfo(path, info)) return -1;
  int image = -1;
  if (icon_map_.Lookup(info.iconIndex, image)) return image;
  image = images_.ReplaceIcon(-1, info.icon);
  icon_map_.SetAt(info.iconIndex, image);
  return image;
}

CString CDrawingFilesDialog::SizeText(ULONGLONG size) {
  CString text;
  if (size < 1024) {
    text.Format(CString(u8"%d ﾊﾞｲﾄ"), static_cast<int>(size));
  } else if (size < 1048576) {
    text.Format("%.2lf KB", static_cast<double>(size) / 1024);
  } else {
    text.Format("%.2lf MB", static_cast<double>(size) / 1024 / 1024);
  }
  return text;
}

CString CDrawingFilesDialog::TimeText(ULONGLONG mtime_ns) {
  const std::time_t seconds = static_cast<std::time_t>(mtime_ns / 1000000000ULL);
  std::tm local{};
  if (!localtime_r(&seconds, &local)) return CString();
  char buffer[128];
  if (std::strftime(buffer, sizeof buffer, "%Y/%m/%d %H:%M", &local) == 0) return CString();
  return CString(buffer);
}
