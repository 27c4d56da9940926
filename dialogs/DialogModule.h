// The library's own resource module: the dialog templates and bitmaps of its dialogs. The
// library's start-up links it into the framework's module chain while the library is loaded;
// the dialogs make it the current module while they run.
#pragma once

#include "framework/ui/ResourceModule.h"

namespace drawreg {

afx::ResourceModule* ResourceModule();

}  // namespace drawreg
