#include "framework/qt/GridView.h"

#include <QTableView>

namespace afx::qt {

GridView::GridView(ShownDialog& dialog, GridPeer& peer, QWidget* parent)
    : ControlView(dialog, peer) {
  SetWidget(new QTableView(parent));
}

}  // namespace afx::qt
