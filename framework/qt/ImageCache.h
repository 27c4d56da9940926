// ImageCache: the Qt icons for the entries of image lists. A file-type icon shows what the
// desktop shows for that type of file; a bitmap entry is one strip of a bitmap resource.
// Decoded bitmaps and looked-up icons are kept for the life of one dialog.
#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QString>

#include "framework/ui/CImageList.h"

namespace afx::qt {

class ImageCache {
 public:
  // The icon of entry index of list; a null icon for no list or an index out of range.
  QIcon Icon(const CImageList* list, int index);
  // A whole bitmap resource as an icon; a null icon when it is not found.
  QIcon BitmapIcon(UINT id);

 private:
  QIcon FileTypeIcon(const IconHandle& icon);
  QIcon BitmapStrip(const CImageList& list, const CImageList::Image& image);
  const QImage& Bitmap(UINT id);

  QHash<QString, QIcon> file_types_;
  QHash<UINT, QImage> bitmaps_;
};

}  // namespace afx::qt
