// StaticView: a static control. Text is a label, aligned, framed and shortened with an ellipsis
// as its style asks; an etched horizontal line is a sunken line.
#pragma once

#include "framework/qt/ControlView.h"

class QLabel;

namespace afx::qt {

class StaticView : public ControlView {
 public:
  StaticView(ShownDialog& dialog, StaticPeer& peer, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  void FitCaption(int text_width);

  StaticPeer& peer_;
  QLabel* label_ = nullptr;  // null for a line
};

}  // namespace afx::qt
