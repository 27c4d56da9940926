// DrawingTypeInfo: the drawing type of a registered file, as the drawing-type catalogue
// identifies it. A negative fieldNo or no means that no type is set.
#pragma once

#include "framework/CString.h"

struct DrawingTypeInfo {
  int fieldNo = -1;  // field of the type in the catalogue
  int no = -1;       // number of the type within its field
  CString code;      // the 2-character code that goes into the deliverable file name
};
