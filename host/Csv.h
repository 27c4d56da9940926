// Comma-separated values as spreadsheets read and write them, through libcsv: a reader that
// keeps the line each record starts on, for messages a person can find in the file, and a
// writer whose output a spreadsheet opens as it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

struct CsvRecord {
  int line = 0;                    // the line of the text the record is on, from 1
  std::vector<std::string> cells;  // as they stand in the text, quotes taken off
};

// Splits text into records; empty lines are no records. Returns 0 when all is read, else the
// number of the line where the quoting is broken (out then holds the records before it).
int ReadCsv(std::string_view text, std::vector<CsvRecord>& out);

class CsvWriter {
 public:
  // Appends one record: every cell quoted, the line ended with CR LF.
  void Row(const std::vector<std::string>& cells);
  const std::string& Text() const { return text_; }
  // The text behind a UTF-8 byte order mark: what spreadsheets on a Japanese desktop open as
  // UTF-8 (without the mark they take the text for the Japanese code page).
  std::string Utf8Sheet() const;

 private:
  std::string text_;
};

}  // namespace host
