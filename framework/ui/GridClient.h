// GridClient: the window that took a grid over, as the grid sees it. The grid keeps no cell
// values: it asks its window for every cell it shows, and hands what a person does to the
// window as the window messages that input is.
#pragma once

#include "framework/CString.h"
#include "framework/ui/WinTypes.h"

namespace afx {

class GridClient {
 public:
  GridClient() = default;
  GridClient(const GridClient&) = delete;
  GridClient& operator=(const GridClient&) = delete;

  // The text of a cell.
  virtual CString CellText(int row, int col) = 0;
  // How a cell is edited: 0 not at all, 1 typed into, 2 chosen from a list the window shows.
  virtual int CellEditKind(int row, int col) = 0;
  // The most bytes a person can type into a cell; 0 for no limit.
  virtual int CellInputLimit(int row, int col) = 0;
  // How a cell's text is aligned: 0 left, 1 right, 2 centred.
  virtual int CellForm(int row, int col) = 0;
  // A colour of its own for a cell (0x00BBGGRR), or false for the grid's colours.
  virtual bool CellColor(int row, int col, unsigned long* color) = 0;
  // A person typed text into a cell; it is held to the cell's input limit already.
  virtual void CellTyped(int row, int col, const CString& text) = 0;
  // A mouse message over a cell (WM_LBUTTONDOWN, WM_RBUTTONUP...).
  virtual void MouseMessage(UINT message, int row, int col) = 0;
  // A key pressed while the grid has the focus (a virtual key).
  virtual void KeyMessage(UINT key) = 0;
  // A click on a column's heading.
  virtual void HeadingClicked(int col) = 0;
  // The grid's window is gone; the client must not reach it any more.
  virtual void GridDestroyed() = 0;

 protected:
  ~GridClient() = default;
};

}  // namespace afx
