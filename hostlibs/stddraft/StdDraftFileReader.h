// StdDraftFileReader: reads a catalogue file into a StdDraftCatalogue. The file is UTF-8 text
// (a leading byte order mark is allowed), one entry a line, columns separated by tabs:
//
//   # comment lines and blank lines are skipped
//   field<TAB>0<TAB>共通
//   type<TAB>0<TAB>1<TAB>PL<TAB>平面図
//
// A field line gives the field number and name; a type line gives the field number (of a
// field declared above), the type number, the code and the display name. Numbers run from 0
// to 9999. A code is two upper-case ASCII letters or digits, as deliverable file names are
// written, and is unique in the whole file. Spaces around a column are ignored. The first
// problem stops the reading with a message that starts "path:line: ".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/CString.h"
#include "hostlibs/stddraft/StdDraftCatalogue.h"

class StdDraftFileReader {
 public:
  static constexpr int kMaxNumber = 9999;
  // Larger files are refused rather than read into memory: no catalogue comes near this.
  static constexpr unsigned long kMaxFileSize = 16ul << 20;

  explicit StdDraftFileReader(const CString& path) : path_(path) {}

  // Fills catalogue (which should be empty); false with Error() set on the first problem.
  bool Read(StdDraftCatalogue& catalogue);
  const CString& Error() const { return error_; }

 private:
  bool ReadBytes(std::string& bytes);
  bool ParseLine(std::string_view line, StdDraftCatalogue& catalogue);
  bool ParseField(const std::vector<std::string_view>& columns, StdDraftCatalogue& catalogue);
  bool ParseType(const std::vector<std::string_view>& columns, StdDraftCatalogue& catalogue);
  bool ParseNumber(std::string_view text, const char* what, int& number);
  bool ParseCode(std::string_view text, CString& code);
  bool ParseName(std::string_view text, CString& name);
  // Sets the error, prefixed with the file's path and the current line; returns false.
  bool Fail(const CString& message);

  CString path_;
  int line_ = 0;
  CString error_;
};
