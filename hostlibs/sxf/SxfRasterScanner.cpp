#include "hostlibs/sxf/SxfRasterScanner.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/FileSystem.h"

namespace {

constexpr std::string_view kRasterPrefix = "$$RASTER$$";

bool HasRasterExtension(const CString& name) {
  const int dot = name.ReverseFind('.');
  if (dot < 0) return false;
  const CString ext = name.Mid(dot);
  for (const char* raster : {".TIF", ".TIFF", ".JPG", ".JPEG"}) {
    if (ext.CompareNoCase(raster) == 0) return true;
  }
  return false;
}

// The last component of a name written with either separator.
CString LastComponent(const CString& name) {
  const int cut = std::max(name.ReverseFind('/'), name.ReverseFind('\\'));
  return name.Mid(cut + 1);
}

void AddOnce(CStringArray& names, const CString& name, int& added) {
  for (int i = 0; i < names.GetSize(); ++i) {
    if (names[i].CompareNoCase(name) == 0) return;
  }
  names.Add(name);
  ++added;
}

}  // namespace

SxfRasterScanner::SxfRasterScanner(CStringArray& names) : names_(names) {}

void SxfRasterScanner::Literal(std::string text) {
  if (text.rfind(kRasterPrefix, 0) == 0) text.erase(0, kRasterPrefix.size());
  const CString name = LastComponent(CString(text));
  if (HasRasterExtension(name) && afx::IsPlainFileName(name)) AddOnce(names_, name, added_);
}

void SxfRasterScanner::Feed(std::string_view piece) {
  size_t p = 0;
  while (p < piece.size()) {
    if (quote_pending_) {  // a quote inside a literal: doubled, or its end
      quote_pending_ = false;
      if (piece[p] == '\'') {
        Append("'", 1);
        ++p;
        continue;
      }
      if (!too_long_) Literal(std::move(literal_));
      literal_.clear();
      inside_ = too_long_ = false;
    }
    if (!inside_) {
      const size_t open = piece.find('\'', p);
      if (open == std::string_view::npos) return;
      inside_ = true;
      p = open + 1;
      continue;
    }
    const size_t close = piece.find('\'', p);
    const size_t end = close == std::string_view::npos ? piece.size() : close;
    Append(piece.data() + p, end - p);
    if (close == std::string_view::npos) return;
    quote_pending_ = true;
    p = close + 1;
  }
}

void SxfRasterScanner::Finish() {
  if (quote_pending_ && !too_long_) Literal(std::move(literal_));
}

void SxfRasterScanner::Append(const char* data, size_t n) {
  if (too_long_ || literal_.size() + n > kLongest) {
    too_long_ = true;
    literal_.clear();
    return;
  }
  literal_.append(data, n);
}
