// ButtonView: a button control. Push buttons (also owner-drawn ones, drawn as plain push
// buttons, a picture button with its picture) are push buttons, radio buttons and check boxes
// are Qt's, a group box is a frame with a title. A click reaches the dialog as the button's
// command.
#pragma once

#include "framework/qt/ControlView.h"

class QAbstractButton;
class QGroupBox;

namespace afx::qt {

class ButtonView : public ControlView {
 public:
  ButtonView(ShownDialog& dialog, ButtonPeer& peer, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  void OnClicked();

  ButtonPeer& peer_;
  QAbstractButton* button_ = nullptr;  // null for a group box
  QGroupBox* group_ = nullptr;
  UINT shown_bitmap_ = 0;
};

}  // namespace afx::qt
