#include "hostlibs/xmlfile/CXmlFileWriter.h"

#include <cstring>
#include <string_view>

#include "framework/Exceptions.h"
#include "hostlibs/xmlfile/XmlFileName.h"

namespace {

// The text is handed to the file in pieces of about this size.
constexpr size_t kFlushSize = 1 << 16;

// What a byte of a value must be written as, or null when it stands for itself. Trail bytes
// of code page 932 are never below 0x40, so escaping byte by byte never splits a character.
// Tab, line feed and carriage return are written as references because a reader turns them
// into spaces otherwise; other control characters (which no file name holds) likewise, so
// that they read back exactly.
const char* EscapeOf(unsigned char c) {
  static const char* const kControl[32] = {
      "&#x0;",  "&#x1;",  "&#x2;",  "&#x3;",  "&#x4;",  "&#x5;",  "&#x6;",  "&#x7;",
      "&#x8;",  "&#9;",   "&#10;",  "&#xB;",  "&#xC;",  "&#13;",  "&#xE;",  "&#xF;",
      "&#x10;", "&#x11;", "&#x12;", "&#x13;", "&#x14;", "&#x15;", "&#x16;", "&#x17;",
      "&#x18;", "&#x19;", "&#x1A;", "&#x1B;", "&#x1C;", "&#x1D;", "&#x1E;", "&#x1F;"};
  if (c < 0x20) return kControl[c];
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return nullptr;
  }
}

bool NeedsEscape(const char* value) {
  for (const char* p = value; *p; ++p) {
    if (EscapeOf(static_cast<unsigned char>(*p))) return true;
  }
  return false;
}

std::string Escaped(const char* value) {
  std::string out;
  out.reserve(std::strlen(value) + 16);
  for (const char* p = value; *p; ++p) {
    const char* escape = EscapeOf(static_cast<unsigned char>(*p));
    if (escape) {
      out += escape;
    } else {
      out += *p;
    }
  }
  return out;
}

// The name without its leading line feed; refuses what no XML reader would accept.
std::string_view CheckedName(const char* name) {
  const std::string_view bare = xmlfile::BareName(name);
  if (!xmlfile::IsXmlName(bare)) throw CInvalidArgException();
  return bare;
}

void CheckLiteral(const char* text) {
  if (text && std::strchr(text, '"')) throw CInvalidArgException();
}

}  // namespace

void CXmlFileWriter::WriteBeginFile(CFile& file, const char* root_name, int declaration) {
  CheckedName(root_name);
  file_ = &file;
  root_ = root_name;
  dtd_subset_ = false;
  doc_begun_ = false;
  open_.clear();
  out_.clear();
  if (declaration) Put("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
}

void CXmlFileWriter::WriteBeginDtd(const char* public_id, const char* system_id,
                                   int internal_subset) {
  if (!file_ || doc_begun_) throw CInvalidArgException();
  CheckLiteral(public_id);
  CheckLiteral(system_id);
  Put("\n<!DOCTYPE ");
  out_ += CheckedName(root_);
  if (public_id) {
    out_ += " PUBLIC \"";
    out_ += public_id;
    out_ += "\" \"";
    out_ += system_id ? system_id : "";
    out_ += '"';
  } else if (system_id) {
    out_ += " SYSTEM \"";
    out_ += system_id;
    out_ += '"';
  }
  dtd_subset_ = internal_subset != 0;
  if (dtd_subset_) Put(" [");
}

void CXmlFileWriter::WriteEndDtd() {
  if (!file_ || doc_begun_) throw CInvalidArgException();
  Put(dtd_subset_ ? "]>" : ">");
  dtd_subset_ = false;
}

void CXmlFileWriter::AddAttrStr(CString& attrs, const char* name, const char* value) {
  if (!name || !xmlfile::IsXmlName(name)) throw CInvalidArgException();
  if (!value) value = "";
  attrs += ' ';
  attrs += name;
  attrs += "=\"";
  if (NeedsEscape(value)) {
    attrs += Escaped(value).c_str();
  } else {
    attrs += value;
  }
  attrs += '"';
}

void CXmlFileWriter::WriteTagStart(const char* name, const char* prefix) {
  if (xmlfile::StartsLine(name)) out_ += '\n';
  out_ += prefix;
  out_ += CheckedName(name);
}

void CXmlFileWriter::WriteBeginDoc(const char* attrs) {
  if (!file_ || doc_begun_) throw CInvalidArgException();
  WriteOpenTag(root_, attrs);
  doc_begun_ = true;
}

void CXmlFileWriter::WriteOpenTag(const char* name, const char* attrs) {
  if (!file_ || (doc_begun_ && open_.empty())) throw CInvalidArgException();
  WriteTagStart(name, "<");
  if (attrs && *attrs) {
    if (*attrs != ' ') out_ += ' ';
    out_ += attrs;
  }
  out_ += '>';
  open_.emplace_back(xmlfile::BareName(name));
  if (out_.size() >= kFlushSize) Flush();
}

void CXmlFileWriter::WriteCloseTag(const char* name) {
  // The root is closed only by WriteEndDoc.
  if (open_.size() < 2 || open_.back() != xmlfile::BareName(name)) throw CInvalidArgException();
  WriteTagStart(name, "</");
  out_ += '>';
  open_.pop_back();
}

void CXmlFileWriter::WriteSingleTag(const char* name, const char* attrs) {
  if (open_.empty()) throw CInvalidArgException();
  WriteTagStart(name, "<");
  if (attrs && *attrs) {
    if (*attrs != ' ') out_ += ' ';
    out_ += attrs;
  }
  out_ += "/>";
  if (out_.size() >= kFlushSize) Flush();
}

void CXmlFileWriter::WriteEndDoc() {
  if (open_.size() != 1) throw CInvalidArgException();
  WriteTagStart(root_, "</");
  out_ += '>';
  open_.clear();
}

void CXmlFileWriter::WriteEndFile() {
  if (!file_ || !open_.empty()) throw CInvalidArgException();
  out_ += '\n';
  Flush();
  file_ = nullptr;
}

void CXmlFileWriter::Flush() {
  file_->Write(out_.data(), static_cast<UINT>(out_.size()));
  out_.clear();
}
