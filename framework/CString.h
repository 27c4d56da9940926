// CString: the framework's 8-bit string. Holds code page 932 bytes; lengths count bytes.
// Every search and case operation walks whole characters, so a trail byte is never
// mistaken for an ASCII character.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/Types.h"

class CString {
 public:
  CString() = default;
  // Implicit from C strings as in the framework, but never from an integer: a literal 0
  // must stay an int, so that record.Name(0) picks the int overload.
  template <typename T, typename = std::enable_if_t<std::is_convertible_v<T, const char*> &&
                                                    !std::is_integral_v<T>>>
  CString(T s) : s_(static_cast<const char*>(s) ? static_cast<const char*>(s) : "") {}  // NOLINT
  CString(const char* s, int length) : s_(s, s + (length > 0 ? length : 0)) {}
  // Converts UTF-8 text (u8"..." literals) to code page 932; never from an integer either.
  template <typename T,
            typename = std::enable_if_t<std::is_convertible_v<T, const char8_t*> &&
                                        !std::is_integral_v<T>>,
            typename = void>
  CString(T utf8) {  // NOLINT: implicit, so that u8"..." literals read as strings
    AssignUtf8(static_cast<const char8_t*>(utf8));
  }
  explicit CString(char c, int repeat = 1) : s_(repeat > 0 ? repeat : 0, c) {}
  explicit CString(std::string_view bytes) : s_(bytes) {}

  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  char GetAt(int i) const { return s_[static_cast<size_t>(i)]; }
  char operator[](int i) const { return GetAt(i); }
  void SetAt(int i, char c) { s_[static_cast<size_t>(i)] = c; }

  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;

  // Index of the first character c at or after start, or -1. Trail bytes never match.
  int Find(char c, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  // Index of the last character c, or -1. Trail bytes never match.
  int ReverseFind(char c) const;

  CString& MakeUpper();
  CString& MakeLower();

  int Compare(const char* s) const;
  // Compares ignoring the case of single-byte ASCII letters only.
  int CompareNoCase(const char* s) const;

  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

  operator const char*() const { return s_.c_str(); }  // NOLINT: implicit as in the framework
  const char* GetString() const { return s_.c_str(); }
  const std::string& Bytes() const { return s_; }

  CString& operator+=(const CString& s) {
    s_ += s.s_;
    return *this;
  }
  CString& operator+=(const char* s) {
    if (s) s_ += s;
    return *this;
  }
  CString& operator+=(char c) {
    s_ += c;
    return *this;
  }

  friend CString operator+(const CString& a, const CString& b) { return CString(a.s_ + b.s_); }
  friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
  friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }
  friend CString operator+(const CString& a, char b) { return CString(a.s_ + b); }

  friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
  friend bool operator==(const CString& a, const char* b) { return a.s_ == (b ? b : ""); }
  friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

 private:
  void AssignUtf8(const char8_t* utf8);
  void VFormat(const char* format, va_list args);

  std::string s_;
};

namespace afx {

// UTF-8 at the edges (the operating system, the terminal, Qt). A conversion that cannot be
// made exactly returns false and leaves out untouched.
bool TryToUtf8(const CString& text, std::string& out);
bool TryFromUtf8(std::string_view utf8, CString& out);
// Lenient forms: characters that cannot be converted become '?'.
std::string ToUtf8(const CString& text);
CString FromUtf8(std::string_view utf8);
// UTF-16 code units to code page 932, as an archive's wide strings need.
CString FromUtf16(const char16_t* text, size_t count);

}  // namespace afx
