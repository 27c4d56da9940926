#include "hostlibs/xmlfile/CXmlFileDoc.h"

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

// What a parsed document is made of, counted in one walk over every node, and whether every
// attribute value is within the limit. No recursion, so that deep nesting cannot exhaust the
// stack.
struct Parts {
  size_t nodes = 0;
  size_t elements = 0;
  size_t attributes = 0;
  bool values_within_limit = true;
};

// Values are measured only in a text longer than the limit: escapes only shorten a value, so
// none of a shorter text can pass it.
Parts CountParts(const pugi::xml_document& doc, size_t text_size) {
  const bool measure = text_size > CXmlFileDoc::kMaxValueLength;
  Parts parts;
  pugi::xml_node n = doc.first_child();
  while (n) {
    ++parts.nodes;
    if (n.type() == pugi::node_element) ++parts.elements;
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
      ++parts.attributes;
      if (measure && std::strlen(a.value()) > CXmlFileDoc::kMaxValueLength) {
        parts.values_within_limit = false;
      }
    }
    if (n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n && !n.next_sibling())
      n = n.parent();
    if (n) n = n.next_sibling();
  }
  return parts;
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
// The document's own objects, and the few element lists that a reader holds at once, beside
// the pointers to their elements.
constexpr size_t kFixedBytes = sizeof(xmlfile::Tree) + 4096;

// What a document of text_size bytes holds with these parts (see HeldBytes). The records come
// in pages of 32 KiB, of which a page's bookkeeping and its unused end take a little. An
// element list is an array made to measure.
size_t HeldBytesOf(size_t text_size, const Parts& parts) {
  const size_t records = parts.nodes * kNodeBytes + parts.attributes * kAttributeBytes;
  const size_t pages = records + records / 64 + (size_t{64} << 10);
  const size_t text_bytes = text_size + 1 + 2 * sizeof(void*);
  return text_bytes + pages + parts.elements * sizeof(void*) + kFixedBytes;
}

// How often c occurs in text, found by the C library's search, which looks at many bytes at
// a step: the text runs to megabytes, and a loop over its bytes would take longer than the
// parse.
size_t Occurrences(std::string_view text, char c) {
  size_t count = 0;
  const char* const end = text.data() + text.size();
  for (const char* p = text.data();
       (p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(end - p)))); ++p) {
    ++count;
  }
  return count;
}

// The most that HeldBytesOf can come to once the text is parsed, counted from the text alone.
// Every node the parser makes (an element, the declaration, the doctype, a CDATA section)
// begins with '<', and a run of text, the only other node, ends at one or at the end; every
// attribute has its '='. Comments and processing instructions make no node.
size_t MostHeldBytesOf(std::string_view text) {
  Parts most;
  const size_t tags = Occurrences(text, '<');
  most.nodes = 2 * tags + 1;
  most.elements = tags;
  most.attributes = Occurrences(text, '=');
  return HeldBytesOf(text.size(), most);
}

}  // namespace

CXmlFileDoc::CXmlFileDoc() = default;
CXmlFileDoc::~CXmlFileDoc() = default;

int CXmlFileDoc::SetFile(CFile& file) {
  tree_.reset();
  auto tree = std::make_shared<xmlfile::Tree>();
  if (!ReadAll(file, *tree)) return 0;
  const std::string_view text(tree->text.get(), tree->size);
  if (MostHeldBytesOf(text) > kMaxHeldBytesPerTextByte * tree->size + kMaxHeldFixedBytes) return 0;
  const bool utf8_mark = text.starts_with("\xEF\xBB\xBF");
  // Bytes are parsed as they are: no conversion, so code page 932 names stay exact.
  const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype;
  const pugi::xml_parse_result result =
      tree->doc.load_buffer_inplace(tree->text.get(), tree->size, options, pugi::encoding_utf8);
  if (!result || !HasOneRoot(tree->doc)) return 0;
  const TextCode code = CodeOf(tree->doc, utf8_mark);
  if (code == TextCode::unknown || DeclaresEntities(tree->doc)) return 0;
  const Parts parts = CountParts(tree->doc, tree->size);
  if (!parts.values_within_limit) return 0;
  tree->utf8 = code == TextCode::utf8;
  tree->held = HeldBytesOf(tree->size, parts);
  tree_ = std::move(tree);
  return 1;
}

size_t CXmlFileDoc::GetTextSize() const {
  return tree_ ? tree_->size : 0;
}

size_t CXmlFileDoc::HeldBytes() const {
  return tree_ ? tree_->held : 0;
}

CXmlFileElm* CXmlFileDoc::GetRoot() const {
  if (!tree_) return nullptr;
  return new CXmlFileElm(tree_, tree_->doc.document_element().internal_object());
}
