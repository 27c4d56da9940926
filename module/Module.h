// The library's own resource module: its dialog templates and bitmaps. It is linked into the
// framework's module chain while the library is loaded.
#pragma once

#include "framework/ui/ResourceModule.h"

namespace drawreg {

afx::ResourceModule* ResourceModule();

}  // namespace drawreg
