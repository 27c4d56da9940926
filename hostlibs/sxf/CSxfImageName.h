// CSxfImageName: finds the raster image files that an SXF drawing (.P21 or .SFC) refers to,
// so that they can travel with it. Every name is reduced to its last path component: a
// reference never leads out of the drawing's own folder.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"

class CEnvironObj;

class CSxfImageName {
 public:
  void SetEnvObj(const CEnvironObj& env) { env_ = &env; }
  // Appends to names, once each and in order of first appearance, the raster files (.TIF,
  // .TIFF, .JPG, .JPEG) the file refers to, relative to its folder and not already listed.
  // The number of names appended, or -1 when the file cannot be read.
  int RasterFiles(const CString& sxf_path, CStringArray& names) const;

 private:
  const CEnvironObj* env_ = nullptr;
};
