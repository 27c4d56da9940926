#include "hostlibs/dlgbase/BitButton.h"

void BitButton::SetButtonDef(const ButtonDef& def, int withText, int redraw) {
  auto* button = PeerAs<afx::ButtonPeer>();
  if (!button) return;
  button->bitmap = def.up.GetId();
  button->bitmapWithText = withText != 0;
  if (redraw) button->Changed();
}
