// A plain text table for the terminal. Cells are code page 932; widths count display columns
// (a double-byte character is two columns wide, as it is one byte per column in the code).
#pragma once

#include <string>
#include <vector>

#include "framework/CString.h"

namespace host {

class Table {
 public:
  explicit Table(std::vector<CString> headings) : headings_(std::move(headings)) {}
  // right_aligned: one flag per column.
  void SetRightAligned(std::vector<bool> right) { right_ = std::move(right); }
  void AddRow(std::vector<CString> cells) { rows_.push_back(std::move(cells)); }
  // The table in UTF-8, one line per row, columns separated by two spaces.
  std::string Render() const;

 private:
  std::vector<CString> headings_;
  std::vector<bool> right_;
  std::vector<std::vector<CString>> rows_;
};

}  // namespace host
