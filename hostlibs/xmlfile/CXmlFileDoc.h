// CXmlFileDoc: one XML file read into memory. SetFile parses a file that the caller has
// opened; GetRoot gives its root element. The document stays usable by the elements taken
// from it after it is released.
#pragma once

#include <cstddef>
#include <memory>

namespace xmlfile {
struct Tree;
}

class CFile;
class CXmlFileElm;

class CXmlFileDoc {
 public:
  // Files larger than this are refused rather than read into memory.
  static constexpr unsigned long long kMaxFileSize = 1ULL << 30;
  // A document with a longer attribute value is refused: no name or text of a register
  // comes near it, and a hostile file cannot make every reader copy megabytes per value.
  static constexpr size_t kMaxValueLength = 65535;

  CXmlFileDoc();
  CXmlFileDoc(const CXmlFileDoc&) = delete;
  CXmlFileDoc& operator=(const CXmlFileDoc&) = delete;
  ~CXmlFileDoc();

  // Reads the whole contents of file from its start and parses them. Nonzero when they are a
  // well-formed document in code page 932 (Shift_JIS) or UTF-8; on failure the document is
  // empty. The caller opens the file, and so decides what may be read: a reader that holds
  // the file open while it reads can tell which version of it was read.
  int SetFile(CFile& file);
  // The size of the text parsed; 0 when nothing is.
  size_t GetTextSize() const;
  // What the parsed document holds: its text, the parser's nodes and attributes, and the
  // element lists that a reader takes of it, one entry for each element in the list of its
  // parent's children; 0 when nothing is parsed. Never more than kMaxHeldBytesPerTextByte
  // times the text's size plus kMaxHeldFixedBytes: a text whose tags and attributes could
  // take more is refused before it is parsed.
  size_t HeldBytes() const;
  // The root element, or null when nothing is parsed. The caller releases it.
  CXmlFileElm* GetRoot() const;

 private:
  // A text of nothing but "<a/>" would otherwise take sixteen times its size.
  static constexpr size_t kMaxHeldBytesPerTextByte = 8;
  static constexpr size_t kMaxHeldFixedBytes = size_t{64} << 20;

  std::shared_ptr<const xmlfile::Tree> tree_;
};
