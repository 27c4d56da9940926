// ResLibBitmap: a bitmap of a library's resources, found by id through the resource module
// chain (the current module first), for image lists and picture buttons.
#pragma once

#include "framework/ui/ResourceModule.h"

class ResLibBitmap {
 public:
  ResLibBitmap() = default;
  // The bitmap id, loaded at once (no bitmap if it is not found).
  explicit ResLibBitmap(UINT id) { LoadBitmap(id); }

  // Finds the bitmap; nonzero when it is there and its image header can be read.
  BOOL LoadBitmap(UINT id);
  bool IsLoaded() const { return resource_ != nullptr; }
  UINT GetId() const { return resource_ ? resource_->id : 0; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // The image file's bytes (PNG or BMP), for presenters to draw.
  const unsigned char* GetData() const { return resource_ ? resource_->data : nullptr; }
  size_t GetSize() const { return resource_ ? resource_->size : 0; }

 private:
  const afx::BitmapResource* resource_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
