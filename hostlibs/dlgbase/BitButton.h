// BitButton: the host's owner-drawn push button (OK and Cancel of its dialogs). It behaves as
// a push button; presenters draw it as one.
#pragma once

#include "framework/ui/Controls.h"

class BitButton : public CButton {};
