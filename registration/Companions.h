// The companion files of an SXF drawing: its .SAF attribute file and the raster images it
// refers to, which must travel with it into the register.
#pragma once

#include <functional>

#include "framework/CString.h"
#include "framework/CStringArray.h"

class CEnvironObj;

namespace registration {

// Whether the file is an SXF drawing (.SFC or .P21, any case).
bool IsSxfDrawing(const CEnvironObj& env, const CString& name);
// The name of the .SAF attribute file of the SXF drawing name: its base name and ".SAF".
CString SafName(const CEnvironObj& env, const CString& name);
// The companions of src_path, names relative to its folder: the .SAF file when it exists,
// then the raster files. Empty for a file that is no SXF drawing.
CStringArray CompanionFiles(const CEnvironObj& env, const CString& src_path);
// The same, with the raster files the drawing refers to already found (by a reader of its
// text, SxfRasterScanner): each is given the letter case it has in the source folder.
CStringArray CompanionFiles(const CEnvironObj& env, const CString& src_path,
                            const CStringArray& rasters);
// The companions of every SXF drawing of paths, in order, each drawing's appended in turn.
CStringArray BatchCompanions(const CEnvironObj& env, const CStringArray& paths);
// How one file is copied: from, to; false with errno on failure.
using CopyStep = std::function<bool(const CString&, const CString&)>;
// Copies the companions names (from CompanionFiles) of src_path into dst_folder, in order,
// each with copy (by default CopyFileA, overwriting); false at the first failure, whose
// destination path goes to failed and whose cause stays in errno (those copied before it stay).
bool CopyCompanions(const CEnvironObj& env, const CString& src_path, const CStringArray& names,
                    const CString& dst_folder, CString& failed, const CopyStep& copy = {});

}  // namespace registration
