#include "framework/ui/CImageList.h"

#include <map>
#include <memory>
#include <string>

#include "framework/FileSystem.h"
#include "framework/ui/ResourceModule.h"

BOOL CImageList::Create(int cx, int cy, UINT /*flags*/, int /*initial*/, int /*grow*/) {
  cx_ = cx;
  cy_ = cy;
  images_.clear();
  has_mask_ = false;
  created_ = true;
  return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int /*grow*/, COLORREF mask) {
  const afx::BitmapResource* bitmap = afx::FindBitmap(bitmapId);
  int width = 0;
  int height = 0;
  if (cx <= 0 || !bitmap || !afx::BitmapSize(*bitmap, width, height)) return FALSE;
  Create(cx, height, ILC_MASK, 0, 1);
  has_mask_ = true;
  mask_ = mask;
  AddBitmapStrips(bitmapId, width / cx);
  return TRUE;
}

int CImageList::AddBitmapStrips(UINT bitmapId, int strips) {
  const int first = GetImageCount();
  for (int i = 0; i < strips; ++i) {
    Image image;
    image.bitmapId = bitmapId;
    image.bitmapIndex = i;
    images_.push_back(image);
  }
  return first;
}

int CImageList::ReplaceIcon(int index, HICON icon) {
  if (!icon) return -1;
  Image image;
  image.icon = *icon;
  if (index < 0 || index >= GetImageCount()) {
    images_.push_back(image);
    return GetImageCount() - 1;
  }
  images_[static_cast<size_t>(index)] = image;
  return index;
}

namespace afx {

namespace {

// One icon per file type, kept for the life of the process as the shell keeps its own.
struct IconTable {
  std::map<std::string, std::unique_ptr<IconHandle>> byType;
  std::map<std::string, int> indexOf;
};

IconTable& Icons() {
  static IconTable table;
  return table;
}

CString TypeName(const CString& extension, bool directory) {
  if (directory) return u8"ファイル フォルダー";
  if (extension.IsEmpty()) return u8"ファイル";
  CString upper = extension.Mid(1);
  upper.MakeUpper();
  return upper + CString(u8" ファイル");
}

}  // namespace

bool GetShellFileInfo(const CString& path, ShellFileInfo& info) {
  CFileStatus status;
  if (!GetFileStatus(path, status)) return false;
  const CString name = path.Mid(path.ReverseFind(kPathSeparator) + 1);
  const int dot = name.ReverseFind('.');
  CString extension = (dot < 0 || status.m_isDirectory) ? CString() : name.Mid(dot);
  extension.MakeLower();
  const std::string key = status.m_isDirectory ? std::string("<folder>") : extension.Bytes();
  IconTable& table = Icons();
  auto it = table.byType.find(key);
  if (it == table.byType.end()) {
    auto icon = std::make_unique<IconHandle>();
    icon->typeName = TypeName(extension, status.m_isDirectory);
    icon->extension = extension;
    table.indexOf[key] = static_cast<int>(table.byType.size());
    it = table.byType.emplace(key, std::move(icon)).first;
  }
  info.iconIndex = table.indexOf[key];
  info.icon = it->second.get();
  info.displayName = name;
  info.typeName = it->second->typeName;
  return true;
}

}  // namespace afx

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    default:
      return 0;
  }
}
