#include "host/Table.h"

#include <algorithm>

#include "host/Text.h"

namespace host {

namespace {

// Columns a UTF-8 text takes: one for ASCII and half-width katakana, two for the rest.
size_t DisplayWidth(const std::string& text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    unsigned code = lead;
    if (length == 3 && i + 2 < text.size()) {
      code = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
    }
    width += (length == 1 || (code >= 0xFF61 && code <= 0xFF9F)) ? 1 : 2;
    i += length;
  }
  return width;
}

std::vector<std::string> Shown(const std::vector<CString>& cells) {
  std::vector<std::string> shown;
  for (const CString& cell : cells)
    shown.push_back(Printable(cell));
  return shown;
}

std::string Line(const std::vector<std::string>& cells, const std::vector<size_t>& widths,
                 const std::vector<bool>& right) {
  std::string line;
  for (size_t c = 0; c < widths.size(); ++c) {
    const std::string cell = c < cells.size() ? cells[c] : std::string();
    const std::string pad(widths[c] - DisplayWidth(cell), ' ');
    const bool is_right = c < right.size() && right[c];
    if (c > 0) line += "  ";
    line += is_right ? pad + cell : cell + pad;
  }
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line + "\n";
}

}  // namespace

Table::Table(const std::vector<CString>& headings) : headings_(Shown(headings)) {}

void Table::AddRow(const std::vector<CString>& cells) {
  rows_.push_back(Shown(cells));
}

std::string Table::Render() const {
  std::vector<size_t> widths(headings_.size(), 0);
  auto measure = [&](const Row& cells) {
    for (size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
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
