// Short steps over the batch grid shared by its tests: marking rows and reading a whole column.
#pragma once

#include <initializer_list>

#include "dialogs/BatchFixture.h"

// A click on the first row given, then Ctrl+click on each of the others, all in column col.
inline void MarkRows(afx::DialogSession& s, std::initializer_list<int> rows, int col = 0) {
  bool first = true;
  for (int row : rows) {
    if (first) s.ClickCell(drawreg::IDC_SHEET, row, col);
    if (!first) s.CtrlClickCell(drawreg::IDC_SHEET, row, col);
    first = false;
  }
}

// The texts of column col from the top row down, joined by '|'.
inline CString Column(afx::DialogSession& s, int col) {
  CString joined;
  for (int row = 0; row < s.RowCount(drawreg::IDC_SHEET); ++row)
    joined += (row ? "|" : "") + s.CellText(drawreg::IDC_SHEET, row, col);
  return joined;
}
