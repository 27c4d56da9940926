// CXmlFileDoc: one XML file read into memory. SetUrl parses the file; GetRoot gives its
// root element. The document stays usable by the elements taken from it after it is
// released.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

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
  // A document never holds more than kMaxHeldBytesPerTextByte times its text's size plus
  // kMaxHeldFixedBytes (see HeldBytes): one whose tags and attributes could take more is
  // refused before it is parsed. A text of nothing but "<a/>" would otherwise take sixteen
  // times its size.
  static constexpr size_t kMaxHeldBytesPerTextByte = 8;
  static constexpr size_t kMaxHeldFixedBytes = size_t{64} << 20;

  CXmlFileDoc();
  CXmlFileDoc(const CXmlFileDoc&) = delete;
  CXmlFileDoc& operator=(const CXmlFileDoc&) = delete;
  ~CXmlFileDoc();

  // Reads and parses the file at path (code page 932). Nonzero when it is a well-formed
  // document in code page 932 (Shift_JIS) or UTF-8; on failure the document is empty.
  int SetUrl(const char* path);
  // Parses the bytes of a file already in memory, as SetUrl does.
  int SetText(const char* data, size_t size);
  // SetUrl in two steps, for a reader that can take some files from their text alone:
  // ReadUrl reads the file (nonzero when read), GetText gives its bytes, followed by a NUL,
  // until ParseText parses them as SetUrl would. Nothing read gives empty text.
  // Only a regular file is read, never through a symbolic link (as CFile opens).
  int ReadUrl(const char* path);
  // ReadUrl's reading from a file the caller holds open: its whole contents from its start.
  int ReadFile(CFile& file);
  std::string_view GetText() const;
  int ParseText();
  // The size of the text read or parsed.
  size_t GetTextSize() const;
  // What the document holds once parsed, at most: its text, the parser's nodes and
  // attributes, and the element lists that readers take of it. Bounded from the text's '<'
  // and '=' before the parse (each node and attribute needs one), so it can be asked before
  // ParseText; 0 when nothing is read.
  size_t HeldBytes() const;
  // The root element, or null when nothing is parsed. The caller releases it.
  CXmlFileElm* GetRoot() const;

 private:
  int Parse(std::shared_ptr<xmlfile::Tree> tree);

  std::shared_ptr<xmlfile::Tree> read_;  // read by ReadUrl, not yet parsed
  std::shared_ptr<const xmlfile::Tree> tree_;
};
