// Dialog resources as data: a dialog's caption, size in dialog units, font and controls, as a
// resource script lists them. Presenters lay dialogs out from these tables.
#pragma once

#include <vector>

#include "framework/CString.h"
#include "framework/ui/WinTypes.h"

namespace afx {

// A list box is where a grid window takes over: its peer is a grid's (see GridPeer).
enum class ControlKind { Static, Button, Edit, ComboBox, ListBox, ListView, TreeView, Grid };

struct ControlTemplate {
  int id;  // -1 for controls the program never addresses
  ControlKind kind;
  DWORD style;
  CString text;
  int x, y, w, h;  // dialog units
};

struct DialogTemplate {
  UINT id;
  CString caption;
  int cx, cy;  // dialog units
  CString fontName;
  int pointSize;
  std::vector<ControlTemplate> controls;
};

// A bitmap resource: an image file's bytes (PNG or BMP) embedded in the module.
struct BitmapResource {
  UINT id;
  const unsigned char* data;
  size_t size;
};

}  // namespace afx
