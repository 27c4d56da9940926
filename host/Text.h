// Text at the program's edges. What comes in from the command line, the environment and the
// config file is UTF-8 and must become code page 932 exactly, or it would name another file.
// What goes out to a person is UTF-8 with control characters shown as escapes, so that a file
// name cannot move the cursor, rewrite the line or change the terminal's state.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "framework/CString.h"

namespace host {

// Bad usage: the program stops with this message and exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The UTF-8 text in code page 932. Throws UsageError naming what (an option, a variable, a
// config line) when the code page cannot hold the text so that it converts back the same.
CString ToCodePage(std::string_view utf8, const std::string& what);

// A u8"..." literal as the std::string the program's messages and files are made of.
inline std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

// Whether the bytes are UTF-8 throughout (shortest forms, no surrogates).
bool IsUtf8(std::string_view bytes);

// UTF-8 for the terminal: TAB, CR and LF as \t, \r and \n, other control characters (C0, DEL,
// C1) as \xHH, and bytes that are not UTF-8 as \xHH too.
std::string Printable(std::string_view utf8);
// The same for code page 932 text; bytes the code page does not define are shown as \xHH.
std::string Printable(const CString& text);

}  // namespace host
