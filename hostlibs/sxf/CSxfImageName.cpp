#include "hostlibs/sxf/CSxfImageName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/CFile.h"
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

// Collects the quoted string literals of a text read in pieces ('...' with '' for a quote
// inside). Literals longer than any file name are passed over.
class LiteralScanner {
 public:
  template <typename Visit>
  void Feed(std::string_view piece, Visit visit) {
    size_t p = 0;
    while (p < piece.size()) {
      if (quote_pending_) {  // a quote inside a literal: doubled, or its end
        quote_pending_ = false;
        if (piece[p] == '\'') {
          Append("'", 1);
          ++p;
          continue;
        }
        if (!too_long_) visit(std::move(literal_));
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
  template <typename Visit>
  void Finish(Visit visit) {
    if (quote_pending_ && !too_long_) visit(std::move(literal_));
  }

 private:
  static constexpr size_t kLongest = 4096;
  void Append(const char* data, size_t n) {
    if (too_long_ || literal_.size() + n > kLongest) {
      too_long_ = true;
      literal_.clear();
      return;
    }
    literal_.append(data, n);
  }

  std::string literal_;
  bool inside_ = false;
  bool quote_pending_ = false;
  bool too_long_ = false;
};

}  // namespace

int CSxfImageName::RasterFiles(const CString& sxf_path, CStringArray& names) const {
  // Through the framework's file, like every file: never a FIFO or device waited on.
  CFile file;
  if (!file.Open(sxf_path, CFile::modeRead | CFile::shareDenyNone)) return -1;
  int added = 0;
  const auto visit = [&](std::string text) {
    if (text.rfind(kRasterPrefix, 0) == 0) text.erase(0, kRasterPrefix.size());
    const CString name = LastComponent(CString(text));
    if (HasRasterExtension(name) && afx::IsPlainFileName(name)) AddOnce(names, name, added);
  };
  // Read in pieces rather than mapped: a drawing can be hundreds of megabytes, and reading
  // through one buffer costs far less than faulting in every page of a mapping.
  LiteralScanner scanner;
  std::string buffer(1 << 20, '\0');
  try {
    while (const UINT n = file.Read(buffer.data(), static_cast<UINT>(buffer.size())))
      scanner.Feed(std::string_view(buffer.data(), n), visit);
  } catch (const CFileException&) {
    return -1;
  }
  scanner.Finish(visit);
  return added;
}
