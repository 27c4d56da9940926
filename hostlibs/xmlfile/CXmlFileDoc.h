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

  // Reads and parses the file at path (code page 932). Nonzero when it is a well-formed
  // document in code page 932 (Shift_JIS) or UTF-8; on failure the document is empty.
  int SetUrl(const char* path);
  // Parses the bytes of a file already in memory, as SetUrl does.
  int SetText(const char* data, size_t size);
  // SetUrl in two steps, for a reader that can take some files from their text alone:
  // ReadUrl reads the file (nonzero when read), GetText gives its bytes, followed by a NUL,
  // until ParseText parses them as SetUrl would. Nothing read gives empty text.
  int ReadUrl(const char* path);
  std::string_view GetText() const;
  int ParseText();
  // The root element, or null when nothing is parsed. The caller releases it.
  CXmlFileElm* GetRoot() const;

 private:
  int Parse(std::shared_ptr<xmlfile::Tree> tree);

  std::shared_ptr<xmlfile::Tree> read_;  // read by ReadUrl, not yet parsed
  std::shared_ptr<const xmlfile::Tree> tree_;
};
