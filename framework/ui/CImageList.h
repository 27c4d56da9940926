// CImageList: a list of small images for list and tree views. An image is either an icon,
// named by the type of file it stands for, or a bitmap resource cut into equal strips.
#pragma once

#include <vector>

#include "framework/CString.h"
#include "framework/ui/WinTypes.h"

// An icon handle: what kind of file the icon shows (its type name and extension).
struct IconHandle {
  CString typeName;
  CString extension;
};
using HICON = const IconHandle*;

class CImageList {
 public:
  struct Image {
    IconHandle icon;      // set for icons
    UINT bitmapId = 0;    // set for bitmap strips
    int bitmapIndex = 0;  // which strip of the bitmap
  };

  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  // An image list of the cx-wide strips of a bitmap resource, as high as the bitmap; pixels of
  // the mask colour are transparent. FALSE when the bitmap is not found.
  BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
  // Appends every cx-wide strip of a bitmap resource; returns the first new index.
  int AddBitmapStrips(UINT bitmapId, int strips);
  // index -1 appends the icon; returns its index, or -1 for a null icon.
  int ReplaceIcon(int index, HICON icon);
  int GetImageCount() const { return static_cast<int>(images_.size()); }
  const Image& GetImage(int i) const { return images_[static_cast<size_t>(i)]; }
  int Width() const { return cx_; }
  int Height() const { return cy_; }
  bool IsCreated() const { return created_; }
  // Whether pixels of MaskColor() are transparent.
  bool HasMask() const { return has_mask_; }
  COLORREF MaskColor() const { return mask_; }

 private:
  bool created_ = false;
  int cx_ = 16;
  int cy_ = 16;
  bool has_mask_ = false;
  COLORREF mask_ = 0;
  std::vector<Image> images_;
};

namespace afx {

// What the desktop shows for a file: the icon of its type, its type name and display name.
struct ShellFileInfo {
  int iconIndex = -1;  // one index per file type, stable for the process
  HICON icon = nullptr;
  CString displayName;
  CString typeName;
};

// Fills info for an existing file or folder; false when there is nothing at the path.
bool GetShellFileInfo(const CString& path, ShellFileInfo& info);

}  // namespace afx

int GetSystemMetrics(int index);
