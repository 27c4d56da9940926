// CXmlFileWriter: writes an XML file in code page 932 from start to end, one call per
// tag, declaring encoding="Shift_JIS". Names and values are written byte for byte; values
// are escaped so that any text reads back unchanged. A name that begins with a line feed
// puts its tag on a new line; the line feed is not part of the name.
//
// Text is gathered in memory and handed to the file in large pieces; write errors surface
// as the file's CFileException. Tags that do not nest, or names that are not XML names,
// raise CInvalidArgException rather than produce a file no reader accepts.
#pragma once

#include <string>
#include <vector>

#include "framework/CFile.h"
#include "framework/CString.h"

class CXmlFileWriter {
 public:
  CXmlFileWriter() = default;
  CXmlFileWriter(const CXmlFileWriter&) = delete;
  CXmlFileWriter& operator=(const CXmlFileWriter&) = delete;

  // Starts a document whose root is root_name in file; with declaration nonzero the XML
  // declaration is written first.
  void WriteBeginFile(CFile& file, const char* root_name, int declaration);
  // The document type declaration of the root, with an external identifier when given;
  // internal_subset nonzero leaves it open for declarations until WriteEndDtd.
  void WriteBeginDtd(const char* public_id, const char* system_id, int internal_subset);
  void WriteEndDtd();

  // Appends name="value" to an attribute text, escaped as the value needs.
  static void AddAttrStr(CString& attrs, const char* name, const char* value);

  // Opens the root element with an attribute text made by AddAttrStr (or null).
  void WriteBeginDoc(const char* attrs);
  void WriteOpenTag(const char* name, const char* attrs);
  void WriteCloseTag(const char* name);
  // An empty element.
  void WriteSingleTag(const char* name, const char* attrs);
  // Closes the root element.
  void WriteEndDoc();
  // Finishes the file and hands the rest of the text to it.
  void WriteEndFile();

 private:
  void WriteTagStart(const char* name, const char* prefix);
  void Flush();
  void Put(const char* text) { out_ += text; }

  CFile* file_ = nullptr;
  CString root_;
  bool dtd_subset_ = false;
  bool doc_begun_ = false;
  std::vector<std::string> open_;  // names of the open elements, the root first
  std::string out_;
};
