// Code page 932 character classes: which bytes start a double-byte character.
#pragma once

namespace afx {

// A lead byte is followed by a trail byte that belongs to it.
inline bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Only single-byte ASCII letters have a case; trail bytes are never folded.
inline char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
inline char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Length in bytes of the character that starts at p (1 or 2), never past end.
inline int CharLength(const char* p, const char* end) {
  return (p + 1 < end && IsLeadByte(static_cast<unsigned char>(*p))) ? 2 : 1;
}

}  // namespace afx
