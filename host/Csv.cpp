#include "host/Csv.h"

#include <csv.h>

#include <algorithm>
#include <stdexcept>

namespace host {

namespace {

struct Reading {
  std::vector<CsvRecord>& out;
  int line = 1;            // the line being fed to the parser
  bool in_record = false;  // a field of the present record was read
  int quote_line = 0;      // where a quoted field still open began
};

void OnField(void* data, size_t length, void* reading) {
  auto& r = *static_cast<Reading*>(reading);
  if (!r.in_record) {
    r.out.push_back({r.line, {}});
    r.in_record = true;
  }
  r.out.back().cells.emplace_back(static_cast<const char*>(data), length);
  r.quote_line = 0;
}

void OnRecordEnd(int, void* reading) {
  static_cast<Reading*>(reading)->in_record = false;
}

// The parser's state, freed on every way out.
class Parser {
 public:
  Parser() {
    if (csv_init(&p_, CSV_STRICT | CSV_STRICT_FINI) != 0) throw std::bad_alloc();
  }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;
  ~Parser() { csv_free(&p_); }
  csv_parser* operator->() { return &p_; }
  csv_parser* get() { return &p_; }

 private:
  csv_parser p_;
};

}  // namespace

int ReadCsv(std::string_view text, std::vector<CsvRecord>& out) {
  Parser parser;
  Reading reading{out};
  // Fed a line at a time, so that each record knows the line it was read on.
  for (size_t start = 0; start < text.size(); ++reading.line) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    const size_t length = end - start;
    if (csv_parse(parser.get(), text.data() + start, length, OnField, OnRecordEnd, &reading) !=
        length) {
      if (csv_error(parser.get()) == CSV_ENOMEM) throw std::bad_alloc();
      return reading.line;
    }
    // libcsv's state 2 is a field begun: with a quote, the quote is still open.
    if (parser->pstate == 2 && parser->quoted && !reading.quote_line)
      reading.quote_line = reading.line;
    start = end;
  }
  if (csv_fini(parser.get(), OnField, OnRecordEnd, &reading) != 0)
    return reading.quote_line ? reading.quote_line : std::max(1, reading.line - 1);
  return 0;
}

void CsvWriter::Row(const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) text_ += ',';
    const size_t size = csv_write(nullptr, 0, cells[c].data(), cells[c].size());
    const size_t start = text_.size();
    text_.resize(start + size);
    csv_write(text_.data() + start, size, cells[c].data(), cells[c].size());
  }
  text_ += "\r\n";
}

std::string CsvWriter::Utf8Sheet() const {
  return "\xEF\xBB\xBF" + text_;
}

}  // namespace host
