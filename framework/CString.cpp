#include "framework/CString.h"

#include <cstdio>
#include <cstring>

#include "framework/Mbcs.h"

namespace {

int Clamp(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

// Byte index of the character boundary at or after start, walking whole characters.
size_t CharStart(const std::string& s, int start) {
  const char* begin = s.data();
  const char* end = begin + s.size();
  const char* p = begin;
  while (p < end && p - begin < start)
    p += afx::CharLength(p, end);
  return static_cast<size_t>(p - begin);
}

int CompareBytes(unsigned char a, unsigned char b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

CString CString::Left(int count) const {
  return CString(std::string_view(s_).substr(0, static_cast<size_t>(Clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
  const int n = Clamp(count, 0, GetLength());
  return CString(std::string_view(s_).substr(s_.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int first) const {
  return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
  const int f = Clamp(first, 0, GetLength());
  const int n = Clamp(count, 0, GetLength() - f);
  return CString(std::string_view(s_).substr(static_cast<size_t>(f), static_cast<size_t>(n)));
}

int CString::Find(char c, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  const char* begin = s_.data();
  const char* end = begin + s_.size();
  for (const char* p = begin + CharStart(s_, start); p < end;) {
    const int len = afx::CharLength(p, end);
    if (len == 1 && *p == c) return static_cast<int>(p - begin);
    p += len;
  }
  return -1;
}

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  const size_t sub_len = std::strlen(sub);
  const char* begin = s_.data();
  const char* end = begin + s_.size();
  // Matches may only begin on a character boundary.
  for (const char* p = begin + CharStart(s_, start); p <= end;) {
    if (static_cast<size_t>(end - p) >= sub_len && std::memcmp(p, sub, sub_len) == 0) {
      return static_cast<int>(p - begin);
    }
    if (p == end) break;
    p += afx::CharLength(p, end);
  }
  return -1;
}

int CString::ReverseFind(char c) const {
  int found = -1;
  const char* begin = s_.data();
  const char* end = begin + s_.size();
  for (const char* p = begin; p < end;) {
    const int len = afx::CharLength(p, end);
    if (len == 1 && *p == c) found = static_cast<int>(p - begin);
    p += len;
  }
  return found;
}

CString& CString::MakeUpper() {
  char* end = s_.data() + s_.size();
  for (char* p = s_.data(); p < end;) {
    const int len = afx::CharLength(p, end);
    if (len == 1) *p = afx::AsciiUpper(*p);
    p += len;
  }
  return *this;
}

CString& CString::MakeLower() {
  char* end = s_.data() + s_.size();
  for (char* p = s_.data(); p < end;) {
    const int len = afx::CharLength(p, end);
    if (len == 1) *p = afx::AsciiLower(*p);
    p += len;
  }
  return *this;
}

int CString::Compare(const char* s) const {
  const int r = std::strcmp(s_.c_str(), s ? s : "");
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* s) const {
  const char* a = s_.c_str();
  const char* b = s ? s : "";
  const char* a_end = a + std::strlen(a);
  const char* b_end = b + std::strlen(b);
  while (a < a_end && b < b_end) {
    const int la = afx::CharLength(a, a_end);
    const int lb = afx::CharLength(b, b_end);
    // A double-byte character compares by its bytes; only single-byte letters fold.
    const unsigned char ca = static_cast<unsigned char>(la == 1 ? afx::AsciiUpper(*a) : *a);
    const unsigned char cb = static_cast<unsigned char>(lb == 1 ? afx::AsciiUpper(*b) : *b);
    if (ca != cb) return CompareBytes(ca, cb);
    if (la != lb) return la < lb ? -1 : 1;
    if (la == 2 && a[1] != b[1]) {
      return CompareBytes(static_cast<unsigned char>(a[1]), static_cast<unsigned char>(b[1]));
    }
    a += la;
    b += lb;
  }
  return (a < a_end) ? 1 : (b < b_end ? -1 : 0);
}

void CString::VFormat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  s_.clear();
  if (needed <= 0) return;
  s_.resize(static_cast<size_t>(needed) + 1);
  std::vsnprintf(s_.data(), static_cast<size_t>(needed) + 1, format, args);
  s_.resize(static_cast<size_t>(needed));
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  VFormat(format, args);
  va_end(args);
}
