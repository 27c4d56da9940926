#include "host/FieldValues.h"

#include <cmath>
#include <cstdlib>

#include "host/Text.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingFile.h"

namespace host {

namespace {

using Setter = int (CDrawingFile::*)(const CString&);
using Getter = CString (CDrawingFile::*)() const;

// Whether a fresh record, given value through its own setter, stores what was given (or,
// for a drawing number, the same number padded with zeros).
bool RecordKeeps(const std::string& value, Setter set, Getter get, bool padded_number) {
  CString given;
  if (!afx::TryFromUtf8(value, given)) return false;
  CDrawingFile record;
  if (!(record.*set)(given)) return false;
  const CString stored = (record.*get)();
  if (stored == given) return true;
  if (!padded_number || given.GetLength() > stored.GetLength()) return false;
  return stored == CString(std::string(stored.GetLength() - given.GetLength(), '0')) + given;
}

std::string Refusal(const std::string& value, const std::string& what, const char* accepts) {
  return "'" + Printable(value) + "' is not " + what + "; give " + accepts;
}

}  // namespace

std::string CheckLife(const std::string& value) {
  if (RecordKeeps(value, &CDrawingFile::Life, &CDrawingFile::Life, false)) return "";
  return Refusal(value, "a life cycle", "S, D, C or M");
}

std::string CheckReference(const std::string& value) {
  if (RecordKeeps(value, &CDrawingFile::Arrangement, &CDrawingFile::Arrangement, false)) return "";
  return Refusal(value, "a reference number", "one character 0-9 or A-Z");
}

std::string CheckPage(const std::string& value) {
  if (RecordKeeps(value, &CDrawingFile::Page, &CDrawingFile::Page, true)) return "";
  return Refusal(value, "a drawing number", "1 to 999, at most three digits");
}

std::string CheckRevision(const std::string& value) {
  if (RecordKeeps(value, &CDrawingFile::History, &CDrawingFile::History, false)) return "";
  return Refusal(value, "a revision", "one character 0-9 or A-Z");
}

std::string CheckTitle(const std::string& value) {
  if (RecordKeeps(value, &CDrawingFile::Title, &CDrawingFile::Title, false)) return "";
  return Refusal(value, Utf8(u8"a user-defined part (図面名)"),
                 "at most 52 full-width characters or half-width A-Z and 0-9");
}

std::string CheckType(const std::string& value, const CStdDraftMgr& draft) {
  CString code;
  if (afx::TryFromUtf8(value, code) && draft.SrchElm(code)) return "";
  // A catalogue of a whole discipline is long; the first codes show what a code looks like.
  constexpr int kShown = 24;
  std::string known;
  int count = 0;
  for (int f = 0; f < draft.GetFieldCnt(); ++f) {
    const int field = draft.GetFieldNoAt(f);
    for (int i = 0; i < draft.GetElmCnt(field); ++i, ++count) {
      if (count < kShown)
        known += (count ? ", " : "") + Printable(draft.GetElmAt(field, i)->GetFnameString());
    }
  }
  if (count > kShown) known += ", ... (" + std::to_string(count) + " in all)";
  return "'" + Printable(value) + "' is not a drawing type of the catalogue; give one of " + known;
}

std::string CheckNumbering(const std::string& value) {
  const size_t colon = value.find(':');
  const std::string start = value.substr(0, colon);
  const std::string direction = colon == std::string::npos ? "" : value.substr(colon);
  const bool digits = !start.empty() && start.find_first_not_of("0123456789") == std::string::npos;
  if (digits && CheckPage(start).empty() &&
      (direction.empty() || direction == ":+" || direction == ":-"))
    return "";
  return "'" + Printable(value) +
         "' is no start of drawing numbers; give START (1 to 999), START:+ or START:-";
}

std::string CheckNumberingRange(int start, bool count_down, size_t count) {
  const long last =
      count_down ? start - static_cast<long>(count) + 1 : start + static_cast<long>(count) - 1;
  if (last >= 1 && last <= 999) return "";
  return std::to_string(count) + " drawings numbered from " + std::to_string(start) +
         (count_down ? " down" : " up") + " would go past " + (count_down ? "1" : "999");
}

std::string CheckSeconds(const std::string& value) {
  char* end = nullptr;
  const double seconds = std::strtod(value.c_str(), &end);
  if (!value.empty() && *end == '\0' && std::isfinite(seconds) && seconds >= 0) return "";
  return "'" + Printable(value) + "' is not a number of seconds; give a number 0 or above";
}

}  // namespace host
