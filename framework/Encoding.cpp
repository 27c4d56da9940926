// Conversions between code page 932 and Unicode, through the C library's iconv.
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "framework/CString.h"

namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// One descriptor per direction and thread: opening one costs far more than a short
// conversion, and directory listings convert every name.
iconv_t Descriptor(const char* to, const char* from) {
  struct Cached {
    const char* to;
    const char* from;
    iconv_t cd;
  };
  struct Cache {
    ~Cache() {
      for (const Cached& c : entries)
        iconv_close(c.cd);
    }
    std::vector<Cached> entries;
  };
  thread_local Cache cache;
  for (const Cached& c : cache.entries) {
    if (std::strcmp(c.to, to) == 0 && std::strcmp(c.from, from) == 0) {
      iconv(c.cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
      return c.cd;
    }
  }
  iconv_t cd = iconv_open(to, from);
  if (cd != reinterpret_cast<iconv_t>(-1)) cache.entries.push_back({to, from, cd});
  return cd;
}

// Converts text; strict stops at the first bad sequence, otherwise each unit that cannot be
// converted becomes '?'. ASCII is the same in every code this library meets.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out, bool strict) {
  const bool utf16 = std::strcmp(from, "UTF-16LE") == 0;
  if (!utf16 && IsAscii(in)) {
    out.assign(in);
    return true;
  }
  iconv_t cd = Descriptor(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string result;
  result.resize(in.size() * 2 + 16);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  size_t done = 0;
  bool ok = true;
  while (src_left > 0) {
    char* dst = result.data() + done;
    size_t dst_left = result.size() - done;
    const size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    done = result.size() - dst_left;
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      result.resize(result.size() * 2);
    } else if (strict) {
      ok = false;
      break;
    } else {
      // Skip one input unit (a byte, or a UTF-16 code unit) and mark it.
      const size_t unit = utf16 ? 2 : 1;
      const size_t skip = src_left < unit ? src_left : unit;
      src += skip;
      src_left -= skip;
      if (result.size() - done < 4) result.resize(result.size() * 2);
      result[done++] = '?';
    }
  }
  if (!ok) return false;
  result.resize(done);
  out.swap(result);
  return true;
}

}  // namespace

void CString::AssignUtf8(const char8_t* utf8) {
  if (!utf8) return;
  std::string out;
  Convert("CP932", "UTF-8", reinterpret_cast<const char*>(utf8), out, false);
  s_ = out;
}

namespace afx {

// Code page 932 holds several bytes for some characters (NEC and IBM extensions), and some
// Unicode characters map onto the code page's look-alikes (U+301C onto the code of U+FF5E).
// A conversion counts only when it comes back to the same bytes: a name changed on the way
// would name another file.
bool TryToUtf8(const CString& text, std::string& out) {
  std::string utf8, back;
  if (!Convert("UTF-8", "CP932", text.Bytes(), utf8, true)) return false;
  if (!Convert("CP932", "UTF-8", utf8, back, true) || back != text.Bytes()) return false;
  out.swap(utf8);
  return true;
}

bool TryFromUtf8(std::string_view utf8, CString& out) {
  std::string bytes, back;
  if (!Convert("CP932", "UTF-8", utf8, bytes, true)) return false;
  if (!Convert("UTF-8", "CP932", bytes, back, true) || back != utf8) return false;
  out = CString(bytes);
  return true;
}

std::string ToUtf8(const CString& text) {
  std::string out;
  Convert("UTF-8", "CP932", text.Bytes(), out, false);
  return out;
}

CString FromUtf8(std::string_view utf8) {
  std::string out;
  Convert("CP932", "UTF-8", utf8, out, false);
  return CString(out);
}

CString FromUtf16(const char16_t* text, size_t count) {
  std::string out;
  Convert("CP932", "UTF-16LE", std::string_view(reinterpret_cast<const char*>(text), count * 2),
          out, false);
  return CString(out);
}

}  // namespace afx
