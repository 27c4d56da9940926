// MakeControlView: the view of each kind of control. The one place that knows every kind of
// view, so that the dialog's view builds its controls without naming them.
#pragma once

#include <memory>

#include "framework/qt/ControlView.h"

namespace afx::qt {

// Makes the view and widget made for the peer's kind, as a child of parent.
std::unique_ptr<ControlView> MakeControlView(ShownDialog& dialog, WindowPeer& peer,
                                             QWidget* parent);

}  // namespace afx::qt
