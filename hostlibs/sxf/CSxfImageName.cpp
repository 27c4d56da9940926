#include "hostlibs/sxf/CSxfImageName.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string_view>

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

// Walks the quoted string literals of the text ('...' with '' for a quote inside). Literals
// longer than any file name are passed over.
template <typename Visit>
void ForEachLiteral(std::string_view text, Visit visit) {
  constexpr size_t kLongest = 4096;
  size_t at = text.find('\'');
  while (at != std::string_view::npos) {
    std::string literal;
    size_t p = at + 1;
    size_t q;
    while ((q = text.find('\'', p)) != std::string_view::npos && q + 1 < text.size() &&
           text[q + 1] == '\'') {
      if (literal.size() < kLongest) literal.append(text.substr(p, q + 1 - p));
      p = q + 2;
    }
    if (q == std::string_view::npos) return;
    if (literal.size() < kLongest) literal.append(text.substr(p, std::min(q - p, kLongest)));
    if (literal.size() < kLongest) visit(std::move(literal));
    at = text.find('\'', q + 1);
  }
}

}  // namespace

int CSxfImageName::RasterFiles(const CString& sxf_path, CStringArray& names) const {
  std::string os;
  if (!afx::TryToUtf8(sxf_path, os)) return -1;
  const int fd = ::open(os.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  int added = 0;
  const size_t size = static_cast<size_t>(st.st_size);
  void* map = size ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : nullptr;
  ::close(fd);
  if (size && map == MAP_FAILED) return -1;
  ForEachLiteral(std::string_view(static_cast<const char*>(map), size), [&](std::string text) {
    if (text.rfind(kRasterPrefix, 0) == 0) text.erase(0, kRasterPrefix.size());
    const CString name = LastComponent(CString(text));
    if (HasRasterExtension(name) && afx::IsPlainFileName(name)) AddOnce(names, name, added);
  });
  if (map) ::munmap(map, size);
  return added;
}
