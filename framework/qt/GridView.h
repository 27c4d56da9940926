// GridView: a grid control as a table. The table's model asks the grid for a cell's text only
// when Qt paints that cell, so a grid of ten thousand rows opens as fast as one of a hundred.
// Clicks, keys and typing go to the grid's window as the in-memory session delivers them; the
// marked rows show as the selected rows and the current cell as the table's current cell.
// Column widths are the grid's lengths in characters of the dialog font.
#pragma once

#include <vector>

#include "framework/qt/ControlView.h"

class QString;

namespace afx::qt {

class GridModel;
class GridTable;

class GridView : public ControlView {
 public:
  GridView(ShownDialog& dialog, GridPeer& peer, QWidget* parent);

  // A person's input on the table.
  void Clicked(int row, int col, UINT keys);
  void RightClicked(int row, int col);
  void KeyPressed(UINT key);
  void HeadingClicked(int col);
  // A person typed text into the editor of a cell and left it.
  void Typed(int row, int col, const QString& text);
  // The rows a page of the table shows.
  void PageResized(int rows);

  GridPeer& Peer() const { return peer_; }
  int RowHeight() const;

 protected:
  void SyncContent() override;

 private:
  void ShowColumns();
  void ShowMarks();
  void ShowCurrent();

  GridPeer& peer_;
  GridTable* table_;
  GridModel* model_;
  std::vector<GridColumn> shown_columns_;
  unsigned shown_draws_ = 0;
  unsigned shown_moves_ = 0;
};

}  // namespace afx::qt
