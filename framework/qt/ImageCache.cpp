#include "framework/qt/ImageCache.h"

#include <algorithm>

#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QMimeType>
#include <QPixmap>

#include "framework/qt/QtText.h"
#include "framework/ui/ResourceModule.h"

namespace afx::qt {

namespace {

// The type name GetShellFileInfo gives folders; folders have no extension.
bool IsFolder(const IconHandle& icon) {
  return icon.extension.IsEmpty() && icon.typeName == CString(u8"ファイル フォルダー");
}

QIcon ThemeIconFor(const QString& extension) {
  const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + extension,
                                                         QMimeDatabase::MatchExtension);
  return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
}

// Pixels of the mask colour (0x00BBGGRR) show what lies behind the picture.
void ClearMaskColor(QImage& picture, COLORREF mask) {
  const QRgb masked = qRgb(static_cast<int>(mask & 0xFF), static_cast<int>((mask >> 8) & 0xFF),
                           static_cast<int>((mask >> 16) & 0xFF));
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == (masked & 0xFFFFFF)) line[x] = qRgba(0, 0, 0, 0);
    }
  }
}

}  // namespace

QIcon ImageCache::Icon(const CImageList* list, int index) {
  if (!list || index < 0 || index >= list->GetImageCount()) return QIcon();
  const CImageList::Image& image = list->GetImage(index);
  if (image.bitmapId != 0) return BitmapStrip(*list, image);
  return FileTypeIcon(image.icon);
}

QIcon ImageCache::FileTypeIcon(const IconHandle& icon) {
  const bool folder = IsFolder(icon);
  const QString key = folder ? QStringLiteral("/") : ToQString(icon.extension).toLower();
  const auto found = file_types_.constFind(key);
  if (found != file_types_.constEnd()) return found.value();
  QIcon shown = folder ? QIcon::fromTheme(QStringLiteral("folder")) : ThemeIconFor(key);
  if (shown.isNull()) {
    const QFileIconProvider provider;
    shown =
        provider.icon(folder ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
  }
  file_types_.insert(key, shown);
  return shown;
}

const QImage& ImageCache::Bitmap(UINT id) {
  auto found = bitmaps_.find(id);
  if (found == bitmaps_.end()) {
    QImage decoded;
    if (const BitmapResource* resource = FindBitmap(id)) {
      decoded = QImage::fromData(resource->data, static_cast<int>(resource->size));
    }
    found = bitmaps_.insert(id, decoded);
  }
  return found.value();
}

QIcon ImageCache::BitmapIcon(UINT id) {
  const QImage& bitmap = Bitmap(id);
  return bitmap.isNull() ? QIcon() : QIcon(QPixmap::fromImage(bitmap));
}

QIcon ImageCache::BitmapStrip(const CImageList& list, const CImageList::Image& image) {
  const QImage& bitmap = Bitmap(image.bitmapId);
  const QRect strip(image.bitmapIndex * list.Width(), 0, list.Width(),
                    std::min(list.Height(), bitmap.height()));
  if (bitmap.isNull() || !bitmap.rect().contains(strip)) return QIcon();
  QImage picture = bitmap.copy(strip).convertToFormat(QImage::Format_ARGB32);
  if (list.HasMask()) ClearMaskColor(picture, list.MaskColor());
  return QIcon(QPixmap::fromImage(picture));
}

}  // namespace afx::qt
