#include "host/Table.h"

#include <algorithm>

namespace host {

namespace {

std::string Line(const std::vector<CString>& cells, const std::vector<size_t>& widths,
                 const std::vector<bool>& right) {
  std::string line;
  for (size_t c = 0; c < widths.size(); ++c) {
    const CString cell = c < cells.size() ? cells[c] : CString();
    const std::string pad(widths[c] - static_cast<size_t>(cell.GetLength()), ' ');
    const bool is_right = c < right.size() && right[c];
    if (c > 0) line += "  ";
    line += is_right ? pad + afx::ToUtf8(cell) : afx::ToUtf8(cell) + pad;
  }
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line + "\n";
}

}  // namespace

std::string Table::Render() const {
  std::vector<size_t> widths(headings_.size(), 0);
  auto measure = [&](const std::vector<CString>& cells) {
    for (size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], static_cast<size_t>(cells[c].GetLength()));
    }
  };
  measure(headings_);
  for (const auto& row : rows_)
    measure(row);
  std::string out = Line(headings_, widths, right_);
  for (const auto& row : rows_)
    out += Line(row, widths, right_);
  return out;
}

}  // namespace host
