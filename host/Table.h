// A plain text table for the terminal. Cells are code page 932 and are shown with their
// control characters escaped; widths count display columns of what is shown (a full-width
// character is two columns, as it is two bytes in the code page).
#pragma once

#include <string>
#include <vector>

#include "framework/CString.h"

namespace host {

class Table {
 public:
  explicit Table(const std::vector<CString>& headings);
  // right_aligned: one flag per column.
  void SetRightAligned(std::vector<bool> right) { right_ = std::move(right); }
  void AddRow(const std::vector<CString>& cells);
  // The table in UTF-8, one line per row, columns separated by two spaces.
  std::string Render() const;

 private:
  using Row = std::vector<std::string>;  // cells as shown, UTF-8

  Row headings_;
  std::vector<bool> right_;
  std::vector<Row> rows_;
};

}  // namespace host
