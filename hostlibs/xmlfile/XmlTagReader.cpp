#include "hostlibs/xmlfile/XmlTagReader.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/XmlFileName.h"

namespace xmlfile {

namespace {

// Deeper documents are left to CXmlFileDoc: no file of ours nests more than a few levels.
constexpr size_t kMaxDepth = 256;

enum CharClass : unsigned char {
  kNameStart = 1,  // may begin a name
  kNameChar = 2,   // may stand in a name
  kValueStop = 4,  // ends the plain run of a value, besides its quote: what needs a closer look
  kSpace = 8,
};

constexpr std::array<unsigned char, 256> MakeClasses() {
  std::array<unsigned char, 256> classes{};
  for (int c = 'A'; c <= 'Z'; ++c)
    classes[c] = classes[c + 'a' - 'A'] = kNameStart | kNameChar;
  for (int c = '0'; c <= '9'; ++c)
    classes[c] = kNameChar;
  classes['_'] = classes[':'] = kNameStart | kNameChar;
  classes['-'] = classes['.'] = kNameChar;
  // References; and what is left to a parser of all of XML: it changes whitespace in values,
  // stops at a NUL, and has its own ways with '<' and other control characters.
  for (int c = 0; c < 0x20; ++c)
    classes[c] |= kValueStop;
  classes['&'] |= kValueStop;
  classes['<'] |= kValueStop;
  for (const unsigned char c : {' ', '\t', '\n', '\r'})
    classes[c] |= kSpace;
  return classes;
}

constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

bool Is(char c, CharClass what) {
  return (kClasses[static_cast<unsigned char>(c)] & what) != 0;
}

// The first byte from p on that ends the plain run of a value quoted with quote; end is the
// end of the text, with a NUL on it.
const char* FindValueStop(const char* p, const char* end, char quote) {
#if defined(__SSE2__)
  // Sixteen bytes at a time while sixteen remain: values are short, and a loop over bytes
  // would end each with a mispredicted branch.
  const __m128i quotes = _mm_set1_epi8(quote);
  const __m128i amps = _mm_set1_epi8('&');
  const __m128i lts = _mm_set1_epi8('<');
  const __m128i controls = _mm_set1_epi8(0x1F);
  for (; end - p >= 16; p += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i stop = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(v, quotes), _mm_cmpeq_epi8(v, amps)),
        _mm_or_si128(_mm_cmpeq_epi8(v, lts), _mm_cmpeq_epi8(_mm_min_epu8(v, controls), v)));
    if (const int mask = _mm_movemask_epi8(stop)) return p + __builtin_ctz(mask);
  }
#endif
  while (*p != quote && !Is(*p, kValueStop))
    ++p;
  return p;
}

// Whether the text at p begins with s, reading no further than the first difference: the NUL
// after the text stops it.
bool StartsWith(const char* p, std::string_view s) {
  for (const char c : s) {
    if (*p++ != c) return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character a reference at p (on its '&') stands for, and the reference's length; 0 for
// a reference that is not a predefined entity or an ASCII character other than NUL.
char Reference(const char* p, size_t& length) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  for (const auto& [entity, c] : kEntities) {
    if (StartsWith(p, entity)) {
      length = entity.size();
      return c;
    }
  }
  if (p[1] != '#') return 0;
  const bool hex = p[2] == 'x';
  size_t i = hex ? 3 : 2;
  int code = 0;
  for (const size_t first = i; p[i] != ';'; ++i) {
    const int digit = hex ? HexDigit(p[i]) : (p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : -1);
    if (digit < 0 || i - first == 3) return 0;
    code = code * (hex ? 16 : 10) + digit;
  }
  if (i == (hex ? 3u : 2u) || code == 0 || code > 0x7F) return 0;
  length = i + 1;
  return static_cast<char>(code);
}

const char* SkipSpace(const char* p) {
  while (Is(*p, kSpace))
    ++p;
  return p;
}

// The name at p, and p moved past it; empty, with p left, when no name starts there.
std::string_view ReadName(const char*& p) {
  const char* const first = p;
  if (!Is(*p, kNameStart)) return {};
  while (Is(*++p, kNameChar)) {
  }
  return std::string_view(first, static_cast<size_t>(p - first));
}

// The quoted value at p, decoded, and p moved past its closing quote; false when it is not
// plain. A value with references is decoded into decoded, others are views of the text.
bool ReadValue(const char*& p, const char* end, std::string_view& value, std::string& decoded) {
  const char quote = *p;
  if (quote != '"' && quote != '\'') return false;
  const char* const first = ++p;
  const char* run = first;  // where the text not yet in decoded starts
  bool references = false;
  for (;;) {
    p = FindValueStop(p, end, quote);
    if (*p == quote) break;
    size_t length = 0;
    const char meant = *p == '&' ? Reference(p, length) : '\0';
    if (meant == '\0') return false;
    if (!references) decoded.clear();
    references = true;
    decoded.append(run, p);
    decoded.push_back(meant);
    p += length;
    run = p;
  }
  // Decoding only shortens a value: within the limit here, within it for CXmlFileDoc too.
  if (static_cast<size_t>(p - first) > CXmlFileDoc::kMaxValueLength) return false;
  if (references) {
    decoded.append(run, p);
    value = decoded;
  } else {
    value = std::string_view(first, static_cast<size_t>(p - first));
  }
  ++p;
  return true;
}

}  // namespace

XmlTagReader::Names::Names(const char* const* names, int count) {
  for (int i = 0; i < count && i < kMaxAttrs; ++i) {
    Name& name = names_[count_++];
    name.text = BareName(names[i]);
    name.length = std::strlen(name.text);
    unsigned char bytes[16] = {};
    unsigned char masks[16] = {};
    for (size_t k = 0; k <= name.length && k < sizeof bytes; ++k) {
      bytes[k] = k < name.length ? static_cast<unsigned char>(name.text[k]) : '=';
      masks[k] = 0xFF;
    }
    std::memcpy(name.word, bytes, sizeof bytes);
    std::memcpy(name.mask, masks, sizeof masks);
  }
}

// Near the end of the text, or a long name: byte by byte, stopping at the first difference (at
// the latest at the NUL after the text).
size_t XmlTagReader::Names::AtByBytes(const Name& name, const char* p) {
  for (size_t k = 0; k < name.length; ++k) {
    if (p[k] != name.text[k]) return 0;
  }
  return p[name.length] == '=' ? name.length : 0;
}

// The position is kept as a pointer and copied into a local one by every step that moves it
// far: kept in the object, it would be stored and read back at every byte, since the text's
// bytes might be the object's own as far as the compiler knows.

XmlTagReader::XmlTagReader(std::string_view text)
    : at_(text.data()), end_of_text_(text.data() + text.size()) {
  // A byte order mark makes the text UTF-8, which the values would have to be converted from.
  if (text.starts_with("\xEF\xBB\xBF")) unsure_ = true;
  if (text.starts_with("<?xml") && text.size() > 5 && Is(text[5], kSpace) && !ReadDeclaration()) {
    unsure_ = true;
  }
}

XmlTagReader::Tag XmlTagReader::Next() {
  if (unsure_) return kUnsure;
  const Tag tag = Read();
  if (tag == kUnsure) unsure_ = true;
  return tag;
}

XmlTagReader::Tag XmlTagReader::Read() {
  if (in_tag_) {
    in_tag_ = false;
    if (ReadAttributes(nullptr, nullptr) < 0 || !EndOpenTag()) return kUnsure;
  }
  if (end_ == End::kEmptyTag) {
    // The element opened last closes with its tag.
    end_ = End::kTag;
    root_closed_ = open_.empty();
    return kClose;
  }
  for (;;) {
    at_ = SkipSpace(at_);
    if (at_ == end_of_text_) return root_closed_ ? kEnd : kUnsure;
    if (*at_ != '<') return kUnsure;
    if (at_[1] != '!') break;
    if (!SkipComment() && !ReadDoctype()) return kUnsure;
  }
  if (root_closed_) return kUnsure;
  return at_[1] == '/' ? ReadClose() : ReadOpen();
}

bool XmlTagReader::SkipComment() {
  // A comment leaves nothing in the parsed document either. It ends at the first "-->" after
  // its "<!--"; a NUL before that is left to the parser.
  if (!StartsWith(at_, "<!--")) return false;
  for (const char* p = at_ + 4; *p; ++p) {
    if (p[0] == '-' && p[1] == '-' && p[2] == '>') {
      at_ = p + 3;
      return true;
    }
  }
  return false;
}

XmlTagReader::Tag XmlTagReader::ReadOpen() {
  ++at_;
  name_ = ReadName(at_);
  if (name_.empty()) return kUnsure;
  root_seen_ = true;
  in_tag_ = true;
  return kOpen;
}

bool XmlTagReader::EndOpenTag() {
  // An element is kept open only when its tag does not close it: most have no content.
  if (end_ == End::kEmptyTag) return true;
  if (end_ != End::kTag || open_.size() == kMaxDepth) return false;
  open_.push_back(name_);
  return true;
}

bool XmlTagReader::IsSameTagName(const char* name) const {
  return name_ == BareName(name);
}

long XmlTagReader::Attrs(const Names& names, std::string_view* values) {
  long found = -1;
  if (in_tag_) found = ReadAttributes(&names, values);
  in_tag_ = false;
  if (found < 0 || !EndOpenTag()) {
    unsure_ = true;
    return -1;
  }
  return found;
}

XmlTagReader::Tag XmlTagReader::ReadClose() {
  at_ += 2;
  name_ = ReadName(at_);
  if (open_.empty() || name_ != open_.back() || *at_ != '>') return kUnsure;
  ++at_;
  open_.pop_back();
  root_closed_ = open_.empty();
  return kClose;
}

bool XmlTagReader::ReadDeclaration() {
  at_ += 5;
  static constexpr const char* kNames[] = {"version", "encoding", "standalone"};
  static const Names names(kNames, 3);
  std::string_view values[3];
  const long found = ReadAttributes(&names, values);
  // Without an encoding the text is code page 932, as for CXmlFileDoc.
  return found >= 0 && end_ == End::kDeclaration && (!(found & 2) || IsCp932Name(values[1]));
}

bool XmlTagReader::ReadDoctype() {
  // Only "<!DOCTYPE name>": no internal subset, no external identifier. A name that reads
  // "ENTITY" would be taken for a declaration of entities, which are refused.
  static constexpr std::string_view kDoctype = "<!DOCTYPE";
  if (doctype_seen_ || root_seen_ || !StartsWith(at_, kDoctype)) return false;
  const char* p = at_ + kDoctype.size();
  const char* const name_at = SkipSpace(p);
  p = name_at;
  const std::string_view name = ReadName(p);
  if (name_at == at_ + kDoctype.size() || name.empty() ||
      name.find("ENTITY") != std::string_view::npos) {
    return false;
  }
  p = SkipSpace(p);
  if (*p != '>') return false;
  at_ = p + 1;
  doctype_seen_ = true;
  return true;
}

long XmlTagReader::ReadAttributes(const Names* names, std::string_view* values) {
  long found = 0;
  int next = 0;  // names before this one are behind
  const char* p = at_;
  for (;;) {
    const char* const before = p;
    p = SkipSpace(p);
    if (*p == '>' || ((*p == '/' || *p == '?') && p[1] == '>')) {
      end_ = *p == '>' ? End::kTag : *p == '/' ? End::kEmptyTag : End::kDeclaration;
      at_ = p + (*p == '>' ? 1 : 2);
      return found;
    }
    if (p == before) return -1;
    std::string_view ignored;
    std::string_view* value = &ignored;
    int slot = 0;
    if (names) {
      size_t length = 0;
      while (next < names->Count() && (length = names->At(next, p, end_of_text_)) == 0)
        ++next;
      if (next == names->Count()) return -1;
      p += length;
      value = &values[next];
      found |= 1L << next;
      slot = next++;
    } else if (ReadName(p).empty()) {
      return -1;
    }
    if (*p != '=') return -1;
    ++p;
    if (!ReadValue(p, end_of_text_, *value, decoded_[slot])) return -1;
  }
}

}  // namespace xmlfile
