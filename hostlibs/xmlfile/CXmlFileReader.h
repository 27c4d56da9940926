// CXmlFileReader: the entry point for reading XML files: it hands out empty documents that
// the caller fills with CXmlFileDoc::SetFile.
#pragma once

class CXmlFileDoc;

class CXmlFileReader {
 public:
  // A new empty document, which the caller releases (with a CXmlFileAutoPtr).
  CXmlFileDoc* GetDoc() const;
};
