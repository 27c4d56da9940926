#include "hostlibs/xmlfile/CXmlFileDoc.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

#include "framework/CFile.h"
#include "hostlibs/xmlfile/CXmlFileElm.h"
#include "hostlibs/xmlfile/XmlFileTree.h"

namespace {

enum class TextCode { cp932, utf8, unknown };

// Which code the document's text is in. Without a declaration the text is taken as it is:
// the files this library writes always declare Shift_JIS, and code page 932 is the code
// of every name in a register.
TextCode CodeOf(const pugi::xml_document& doc, bool utf8_mark) {
  const char* name = "";
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_declaration) name = n.attribute("encoding").value();
  }
  if (!*name) return utf8_mark ? TextCode::utf8 : TextCode::cp932;
  if (xmlfile::IsCp932Name(name)) return TextCode::cp932;
  if (xmlfile::EqualsNoCase(name, "UTF-8") || xmlfile::EqualsNoCase(name, "UTF8")) {
    return TextCode::utf8;
  }
  return TextCode::unknown;
}

// Entity declarations are refused outright: this library never expands them, and a file
// that needs them is not one of ours.
bool DeclaresEntities(const pugi::xml_document& doc) {
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_doctype && std::strstr(n.value(), "ENTITY")) return true;
  }
  return false;
}

// A document holds one root element and, around it, only its declarations.
bool HasOneRoot(const pugi::xml_document& doc) {
  int roots = 0;
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element) {
      ++roots;
    } else if (n.type() != pugi::node_declaration && n.type() != pugi::node_doctype) {
      return false;
    }
  }
  return roots == 1;
}

// Whether the raw text alone shows that no attribute value can pass the limit. A value
// quoted with q holds no q, so it lies between two neighbouring q's of the file, and escapes
// only shorten it. When every piece of kPiece bytes from the first q to the last holds a q,
// no two neighbours are further apart than twice that, which the limit allows: a few hundred
// short searches over megabytes instead of a walk over every attribute of the document.
bool QuotesBoundValues(std::string_view text) {
  constexpr size_t kPiece = (CXmlFileDoc::kMaxValueLength + 2) / 2;
  for (const char q : {'"', '\''}) {
    const size_t first = text.find(q);
    if (first == std::string_view::npos) continue;
    const size_t last = text.rfind(q);
    for (size_t at = first; at <= last; at += kPiece) {
      const size_t end = std::min(at + kPiece, last + 1);
      if (!std::memchr(text.data() + at, q, end - at)) return false;
    }
  }
  return true;
}

// Whether every attribute value of the parsed document is within the limit. Walks every
// element without recursion, so that deep nesting cannot exhaust the stack.
bool ValuesWithinLimit(const pugi::xml_document& doc) {
  pugi::xml_node n = doc.first_child();
  while (n) {
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
      if (std::strlen(a.value()) > CXmlFileDoc::kMaxValueLength) return false;
    }
    if (n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n && !n.next_sibling())
      n = n.parent();
    if (n) n = n.next_sibling();
  }
  return true;
}

// Reads the whole file into tree's buffer, left uninitialised before: a link box file can
// run to megabytes, and clearing memory that the read fills anyway costs time. A NUL follows
// the text.
bool ReadAll(CFile& file, xmlfile::Tree& tree) {
  try {
    const ULONGLONG length = file.GetLength();
    if (length > CXmlFileDoc::kMaxFileSize) return false;
    file.SeekToBegin();
    tree.text.reset(new char[length + 1]);
    tree.size = file.Read(tree.text.get(), static_cast<UINT>(length));
    tree.text[tree.size] = '\0';
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

// pugixml's node and attribute records on this machine: eight and five words.
constexpr size_t kNodeBytes = 8 * sizeof(void*);
constexpr size_t kAttributeBytes = 5 * sizeof(void*);
// An element list is a vector of node pointers that doubles as it is filled: while it grows,
// the old array and the new, up to three pointers for each element. Two lists are held at
// once at most (an element's children, and the children of one of them).
constexpr size_t kListBytesPerElement = 2 * 3 * sizeof(void*);

// The bound that HeldBytes describes, counted from the text before it is parsed. Every node
// the parser makes (an element, the declaration, the doctype, a CDATA section) begins with
// '<', and a run of text, the only other node, ends at one or at the end; every attribute has
// its '='. Comments and processing instructions make no node. The records come in pages of
// 32 KiB, of which a page's bookkeeping and its unused end take a little.
size_t HeldBytesOf(std::string_view text) {
  const size_t tags = static_cast<size_t>(std::count(text.begin(), text.end(), '<'));
  const size_t attributes = static_cast<size_t>(std::count(text.begin(), text.end(), '='));
  const size_t records = (2 * tags + 1) * kNodeBytes + attributes * kAttributeBytes;
  const size_t pages = records + records / 64 + (size_t{64} << 10);
  const size_t text_bytes = text.size() + 1 + 2 * sizeof(void*);
  return text_bytes + pages + tags * kListBytesPerElement + sizeof(xmlfile::Tree) + 64;
}

}  // namespace

CXmlFileDoc::CXmlFileDoc() = default;
CXmlFileDoc::~CXmlFileDoc() = default;

int CXmlFileDoc::SetUrl(const char* path) {
  return ReadUrl(path) && ParseText();
}

int CXmlFileDoc::SetText(const char* data, size_t size) {
  tree_.reset();
  read_ = std::make_shared<xmlfile::Tree>();
  read_->text.reset(new char[size + 1]);
  if (size) std::memcpy(read_->text.get(), data, size);
  read_->text[size] = '\0';
  read_->size = size;
  return ParseText();
}

int CXmlFileDoc::ReadUrl(const char* path) {
  tree_.reset();
  read_.reset();
  CFile file;
  if (!path || !file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return 0;
  return ReadFile(file);
}

int CXmlFileDoc::ReadFile(CFile& file) {
  tree_.reset();
  read_ = std::make_shared<xmlfile::Tree>();
  if (ReadAll(file, *read_)) return 1;
  read_.reset();
  return 0;
}

size_t CXmlFileDoc::GetTextSize() const {
  return read_ ? read_->size : tree_ ? tree_->size : 0;
}

size_t CXmlFileDoc::HeldBytes() const {
  if (tree_) return tree_->held;
  if (!read_) return 0;
  if (read_->held == 0) read_->held = HeldBytesOf(std::string_view(read_->text.get(), read_->size));
  return read_->held;
}

std::string_view CXmlFileDoc::GetText() const {
  // Empty text is still followed by a NUL, as its readers expect.
  return read_ ? std::string_view(read_->text.get(), read_->size) : std::string_view("", 0);
}

int CXmlFileDoc::ParseText() {
  if (!read_) return 0;
  return Parse(std::move(read_));
}

int CXmlFileDoc::Parse(std::shared_ptr<xmlfile::Tree> tree) {
  const std::string_view text(tree->text.get(), tree->size);
  if (tree->held == 0) tree->held = HeldBytesOf(text);
  if (tree->held > kMaxHeldBytesPerTextByte * tree->size + kMaxHeldFixedBytes) return 0;
  const bool utf8_mark = text.starts_with("\xEF\xBB\xBF");
  // Taken before the parse, which overwrites the closing quotes in place. Escapes only
  // shorten values, so no value of a smaller file can pass the limit.
  const bool values_bounded = tree->size <= kMaxValueLength || QuotesBoundValues(text);
  // Bytes are parsed as they are: no conversion, so code page 932 names stay exact.
  const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype;
  const pugi::xml_parse_result result =
      tree->doc.load_buffer_inplace(tree->text.get(), tree->size, options, pugi::encoding_utf8);
  if (!result || !HasOneRoot(tree->doc)) return 0;
  const TextCode code = CodeOf(tree->doc, utf8_mark);
  if (code == TextCode::unknown || DeclaresEntities(tree->doc)) return 0;
  if (!values_bounded && !ValuesWithinLimit(tree->doc)) return 0;
  tree->utf8 = code == TextCode::utf8;
  tree_ = std::move(tree);
  return 1;
}

CXmlFileElm* CXmlFileDoc::GetRoot() const {
  if (!tree_) return nullptr;
  return new CXmlFileElm(tree_, tree_->doc.document_element().internal_object());
}
