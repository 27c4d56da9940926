// Names as the XML file library's callers pass them. Private to the library.
#pragma once

#include <algorithm>
#include <string_view>

#include "framework/Mbcs.h"

namespace xmlfile {

// A name may begin with a line feed, which only places its tag on a new line; matching
// ignores it.
inline const char* BareName(const char* name) {
  if (!name) return "";
  return name[0] == '\n' ? name + 1 : name;
}

inline bool StartsLine(const char* name) {
  return name && name[0] == '\n';
}

// Whether name can stand as an element or attribute name: ASCII name characters, or any
// code page 932 character (double-byte or half-width katakana), which XML counts as letters.
inline bool IsXmlName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (afx::IsLeadByte(c)) {
      if (++i == name.size()) return false;  // a lead byte without its trail byte
      continue;
    }
    if (c >= 0xA1 && c <= 0xDF) continue;
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
    const bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!letter && !(i > 0 && other)) return false;
  }
  return true;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return afx::AsciiLower(x) == afx::AsciiLower(y);
         });
}

// Whether an encoding declared by a document names code page 932, in any letter case.
inline bool IsCp932Name(std::string_view name) {
  static constexpr std::string_view kNames[] = {"Shift_JIS",   "Shift-JIS", "SJIS",
                                                "x-sjis",      "CP932",     "MS932",
                                                "Windows-31J", "MS_Kanji",  "csShiftJIS"};
  for (const std::string_view known : kNames) {
    if (EqualsNoCase(known, name)) return true;
  }
  return false;
}

}  // namespace xmlfile
