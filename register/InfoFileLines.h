// InfoFileLines: the lines of a folder information file. Splits the file's bytes into lines
// ending in CR LF, LF or a lone CR, as editors on either system leave them; a UTF-8 byte order
// mark before the first is skipped. Every reader of the file goes through it, so that a load
// and a check of the register see the same lines under the same numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/CFile.h"

class InfoFileLines {
 public:
  // No record line comes near this; a longer one is damage, and is not held in memory whole.
  static constexpr size_t kMaxLineBytes = 64 * 1024;

  // Feeds on_line(number, line, overlong) every line of file from where it stands to its
  // end; an overlong line comes as an empty view with overlong set.
  template <typename OnLine>
  static void ReadAll(CFile& file, OnLine on_line) {
    InfoFileLines lines;
    std::string chunk(64 * 1024, '\0');
    while (const UINT got = file.Read(chunk.data(), static_cast<UINT>(chunk.size()))) {
      lines.Feed(std::string_view(chunk.data(), got), on_line);
    }
    lines.Finish(on_line);
  }

  template <typename OnLine>
  void Feed(std::string_view bytes, OnLine on_line) {
    for (const char c : bytes) {
      if (at_start_ && Bom(c)) continue;
      if (after_cr_ && c == '\n') {
        after_cr_ = false;
        continue;
      }
      after_cr_ = c == '\r';
      if (c == '\r' || c == '\n') {
        End(on_line);
      } else if (line_.size() < kMaxLineBytes) {
        line_.push_back(c);
      } else {
        overlong_ = true;
      }
    }
  }
  template <typename OnLine>
  void Finish(OnLine on_line) {
    if (!line_.empty() || overlong_) End(on_line);
  }

 private:
  bool Bom(char c) {
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    if (bom_seen_ < 3 && c == kBom[bom_seen_]) {
      ++bom_seen_;
      at_start_ = bom_seen_ < 3;
      return true;
    }
    at_start_ = false;
    line_.append(kBom, bom_seen_);  // the start of a line that merely looked like a mark
    return false;
  }
  template <typename OnLine>
  void End(OnLine on_line) {
    at_start_ = false;
    on_line(++number_, overlong_ ? std::string_view() : std::string_view(line_), overlong_);
    line_.clear();
    overlong_ = false;
  }

  std::string line_;
  int number_ = 0;
  size_t bom_seen_ = 0;
  bool at_start_ = true;
  bool after_cr_ = false;
  bool overlong_ = false;
};
