#include "hostlibs/reslib/ResLibBitmap.h"

#include <cstring>

namespace {

unsigned ReadBigEndian(const unsigned char* p) {
  return (unsigned{p[0]} << 24) | (unsigned{p[1]} << 16) | (unsigned{p[2]} << 8) | p[3];
}

unsigned ReadLittleEndian(const unsigned char* p) {
  return unsigned{p[0]} | (unsigned{p[1]} << 8) | (unsigned{p[2]} << 16) | (unsigned{p[3]} << 24);
}

// The size from a PNG's IHDR or a BMP's information header; false for anything else.
bool ImageSize(const unsigned char* data, size_t size, int& width, int& height) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size >= 24 && std::memcmp(data, kPng, 8) == 0 && std::memcmp(data + 12, "IHDR", 4) == 0) {
    width = static_cast<int>(ReadBigEndian(data + 16));
    height = static_cast<int>(ReadBigEndian(data + 20));
  } else if (size >= 26 && data[0] == 'B' && data[1] == 'M') {
    width = static_cast<int>(ReadLittleEndian(data + 18));
    // A negative height marks a top-down bitmap; the size is the same.
    const int h = static_cast<int>(ReadLittleEndian(data + 22));
    height = h < 0 ? -h : h;
  } else {
    return false;
  }
  return width > 0 && height > 0;
}

}  // namespace

BOOL ResLibBitmap::LoadBitmap(UINT id) {
  resource_ = nullptr;
  width_ = height_ = 0;
  const afx::BitmapResource* found = afx::FindBitmap(id);
  if (!found || !ImageSize(found->data, found->size, width_, height_)) {
    width_ = height_ = 0;
    return FALSE;
  }
  resource_ = found;
  return TRUE;
}
