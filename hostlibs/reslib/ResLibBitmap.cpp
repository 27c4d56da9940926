#include "hostlibs/reslib/ResLibBitmap.h"

BOOL ResLibBitmap::LoadBitmap(UINT id) {
  resource_ = nullptr;
  width_ = height_ = 0;
  const afx::BitmapResource* found = afx::FindBitmap(id);
  if (!found || !afx::BitmapSize(*found, width_, height_)) {
    width_ = height_ = 0;
    return FALSE;
  }
  resource_ = found;
  return TRUE;
}
