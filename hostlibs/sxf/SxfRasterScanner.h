// SxfRasterScanner: collects the raster image files (.TIF, .TIFF, .JPG, .JPEG) that an SXF
// drawing's text refers to, from the text read in pieces of any size, so that whoever reads
// the drawing anyway (to copy it) finds them on the way. The references are the drawing's
// quoted string literals ('...' with '' for a quote inside), also after the "$$RASTER$$"
// prefix; each is reduced to its last path component, so a reference never leads out of
// the drawing's own folder.
#pragma once

#include <string>
#include <string_view>

#include "framework/CString.h"
#include "framework/CStringArray.h"

class SxfRasterScanner {
 public:
  // Appends to names each raster file found, once (ignoring case), in order of appearance.
  explicit SxfRasterScanner(CStringArray& names);
  SxfRasterScanner(const SxfRasterScanner&) = delete;
  SxfRasterScanner& operator=(const SxfRasterScanner&) = delete;

  void Feed(std::string_view piece);
  // The text has ended.
  void Finish();
  // How many names were appended.
  int Added() const { return added_; }

 private:
  // Literals longer than any file name are passed over.
  static constexpr size_t kLongest = 4096;
  void Append(const char* data, size_t n);
  void Literal(std::string text);

  CStringArray& names_;
  int added_ = 0;
  std::string literal_;
  bool inside_ = false;
  bool quote_pending_ = false;
  bool too_long_ = false;
};
