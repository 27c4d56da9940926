#include "host/Text.h"

#include <cstdio>

#include "framework/Mbcs.h"

namespace host {

namespace {

// A backslash is left as it is: names on a shared Windows drive hold it as the yen sign, and
// doubling it would show them wrongly; an escape is told apart by what follows it.
std::string Escape(unsigned code) {
  if (code == '\t') return "\\t";
  if (code == '\r') return "\\r";
  if (code == '\n') return "\\n";
  char out[8];
  std::snprintf(out, sizeof out, "\\x%02x", code & 0xFFu);
  return out;
}

bool IsControl(unsigned code) {
  return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

// The length of the UTF-8 sequence at text[i] and its code point; 0 when it is not a valid,
// shortest-form sequence.
size_t Utf8Sequence(std::string_view text, size_t i, unsigned& code) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned first = byte(i);
  size_t length = 0;
  unsigned min = 0;
  if (first < 0x80) {
    code = first;
    return 1;
  } else if ((first & 0xE0) == 0xC0) {
    length = 2, code = first & 0x1F, min = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, code = first & 0x0F, min = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, code = first & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Code page 932 text with its control characters replaced by their escapes.
CString EscapeControls(const CString& text) {
  std::string out;
  const std::string& bytes = text.Bytes();
  const char* end = bytes.data() + bytes.size();
  for (const char* p = bytes.data(); p < end;) {
    const int length = afx::CharLength(p, end);
    // Below 0x80 a byte is a character of its own: control characters are never trail bytes.
    if (length == 1 && IsControl(static_cast<unsigned char>(*p)) &&
        static_cast<unsigned char>(*p) < 0x80) {
      out += Escape(static_cast<unsigned char>(*p));
    } else {
      out.append(p, static_cast<size_t>(length));
    }
    p += length;
  }
  return CString(out);
}

}  // namespace

CString ToCodePage(std::string_view utf8, const std::string& what) {
  CString out;
  // A NUL would end the name early at the system's edge.
  if (utf8.find('\0') != std::string_view::npos || !afx::TryFromUtf8(utf8, out)) {
    throw UsageError(what + ": '" + Printable(utf8) +
                     "' cannot be represented in code page 932 (the register's file names)");
  }
  return out;
}

bool IsUtf8(std::string_view bytes) {
  unsigned code = 0;
  for (size_t i = 0, length; i < bytes.size(); i += length) {
    if ((length = Utf8Sequence(bytes, i, code)) == 0) return false;
  }
  return true;
}

std::string Printable(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    unsigned code = 0;
    const size_t length = Utf8Sequence(utf8, i, code);
    if (length == 0) {
      out += Escape(static_cast<unsigned char>(utf8[i]));
      ++i;
      continue;
    }
    if (IsControl(code)) {
      out += Escape(code);
    } else {
      out.append(utf8, i, length);
    }
    i += length;
  }
  return out;
}

std::string Printable(const CString& text) {
  const CString escaped = EscapeControls(text);
  std::string out;
  if (afx::TryToUtf8(escaped, out)) return out;
  // Some character is not code page 932: show each such one by its bytes, the rest as text.
  out.clear();
  const std::string& bytes = escaped.Bytes();
  const char* end = bytes.data() + bytes.size();
  for (const char* p = bytes.data(); p < end;) {
    const int length = afx::CharLength(p, end);
    std::string one;
    if (afx::TryToUtf8(CString(p, length), one)) {
      out += one;
    } else {
      for (int k = 0; k < length; ++k)
        out += Escape(static_cast<unsigned char>(p[k]));
    }
    p += length;
  }
  return out;
}

}  // namespace host
