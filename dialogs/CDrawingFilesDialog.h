// CDrawingFilesDialog: the read-only list of a drawing folder's registered files, with each
// file's source name, deliverable name, size, modification time and the icon of its type.
#pragma once

#include "framework/CMap.h"
#include "framework/ui/CImageList.h"
#include "framework/ui/Controls.h"
#include "hostlibs/dlgbase/DialogBase.h"

class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;

class CDrawingFilesDialog : public DialogBase {
  DECLARE_DYNAMIC(CDrawingFilesDialog)

 public:
  CDrawingFilesDialog(const CEnvironObj* env, CDrawingFolder* folder, CWnd* parent);

  // The size as the list shows it: a count of bytes below 1 KiB, KB with two decimals below
  // 1 MiB, MB with two decimals above (5 GiB is 5120.00 MB).
  static CString SizeText(ULONGLONG size);
  // The local time as "%Y/%m/%d %H:%M"; "" when it cannot be converted.
  static CString TimeText(ULONGLONG mtime_ns);

  const CImageList& GetImageList() const { return images_; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

 private:
  void AddRow(const CDrawingFile& file);
  int ImageOf(const CString& path);

  CListCtrl list_;
  CImageList images_;
  const CEnvironObj* env_;
  CDrawingFolder* folder_;
  CMap<int, int, int, int> icon_map_;
};
