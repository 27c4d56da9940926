// BitButton: the host's owner-drawn push button (OK and Cancel of its dialogs, picture
// buttons). It behaves as a push button; presenters draw it as one, with the picture its
// definition gives.
#pragma once

#include "framework/ui/Controls.h"
#include "hostlibs/reslib/ResLibBitmap.h"

// The pictures of a button: up, pressed and disabled. A value-initialised definition has no
// picture, and the button shows its text alone.
struct ButtonDef {
  ResLibBitmap up;
  ResLibBitmap down;
  ResLibBitmap disabled;
};

class BitButton : public CButton {
 public:
  // Draws the button with the definition's pictures, its text beside them when withText is
  // nonzero; redraw shows the change at once.
  void SetButtonDef(const ButtonDef& def, int withText, int redraw);
};
