#include "hostlibs/sxf/CSxfImageName.h"

#include <string>

#include "framework/CFile.h"
#include "hostlibs/sxf/SxfRasterScanner.h"

int CSxfImageName::RasterFiles(const CString& sxf_path, CStringArray& names) const {
  // Through the framework's file, like every file: never a FIFO or device waited on.
  CFile file;
  if (!file.Open(sxf_path, CFile::modeRead | CFile::shareDenyNone)) return -1;
  // Read in pieces rather than mapped: a drawing can be hundreds of megabytes, and reading
  // through one buffer costs far less than faulting in every page of a mapping.
  SxfRasterScanner scanner(names);
  std::string buffer(1 << 20, '\0');
  try {
    while (const UINT n = file.Read(buffer.data(), static_cast<UINT>(buffer.size())))
      scanner.Feed(std::string_view(buffer.data(), n));
  } catch (const CFileException&) {
    return -1;
  }
  scanner.Finish();
  return scanner.Added();
}
