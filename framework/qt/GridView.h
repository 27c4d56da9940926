// GridView: the place of a grid control. It shows an empty table of the grid's size; the
// grid's cells are not shown yet.
#pragma once

#include "framework/qt/ControlView.h"

namespace afx::qt {

class GridView : public ControlView {
 public:
  GridView(ShownDialog& dialog, GridPeer& peer, QWidget* parent);

 protected:
  void SyncContent() override {}
};

}  // namespace afx::qt
