#include "hostlibs/xmlfile/CXmlFileElm.h"

#include <cstring>
#include <vector>

#include "hostlibs/xmlfile/CXmlFileElms.h"
#include "hostlibs/xmlfile/XmlFileTree.h"

CXmlFileElm::CXmlFileElm(std::shared_ptr<const xmlfile::Tree> tree, pugi::xml_node_struct* node)
    : tree_(std::move(tree)), node_(node) {}

CXmlFileElm::~CXmlFileElm() = default;

namespace {

// strcmp's answer to "equal?", inline: attribute names are a few bytes long, and a reader asks
// for hundreds of thousands of them.
bool SameName(const char* a, const char* b) {
  while (*a && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

// The value as code page 932 bytes; a value converted from UTF-8 is kept in converted.
std::string_view ValueView(pugi::xml_attribute attr, bool utf8, std::string& converted) {
  const char* text = attr.value();
  if (!utf8) return text;
  converted = afx::FromUtf8(text).Bytes();
  return converted;
}

}  // namespace

int CXmlFileElm::IsSameTagName(const char* name) const {
  return xmlfile::IsNamed(pugi::xml_node(node_), name) ? 1 : 0;
}

pugi::xml_attribute_struct* CXmlFileElm::FindAttr(const char* name) const {
  const char* wanted = xmlfile::BareName(name);
  const pugi::xml_node node(node_);
  const pugi::xml_attribute start =
      next_attr_ ? pugi::xml_attribute(next_attr_) : node.first_attribute();
  pugi::xml_attribute attr = start;
  while (attr && !SameName(wanted, attr.name())) {
    attr = attr.next_attribute();
    if (!attr) attr = node.first_attribute();
    if (attr == start) attr = pugi::xml_attribute();
  }
  if (!attr) return nullptr;
  next_attr_ = attr.next_attribute().internal_object();
  return attr.internal_object();
}

int CXmlFileElm::GetAttr(const char* name, CString& value) const {
  pugi::xml_attribute_struct* attr = FindAttr(name);
  if (!attr) return 0;
  std::string converted;
  value = CString(ValueView(pugi::xml_attribute(attr), tree_->utf8, converted));
  return 1;
}

unsigned long CXmlFileElm::GetAttrs(const char* const* names, int count,
                                    std::string_view* values) const {
  // The same searches as one GetAttr per name, in order, so the values are exactly those;
  // what is saved is the calls and a copy of every value. The usual step, the attribute
  // asked for being the next one, is taken here with as few calls into pugixml as a plain
  // walk over the attributes makes.
  if (count > kMaxAttrs) count = kMaxAttrs;
  unsigned long found = 0;
  pugi::xml_attribute next =
      next_attr_ ? pugi::xml_attribute(next_attr_) : pugi::xml_node(node_).first_attribute();
  for (int i = 0; i < count; ++i) {
    pugi::xml_attribute attr = next;
    if (attr && SameName(xmlfile::BareName(names[i]), attr.name())) {
      next = attr.next_attribute();
    } else {
      next_attr_ = next.internal_object();
      attr = pugi::xml_attribute(FindAttr(names[i]));
      if (!attr) continue;
      next = pugi::xml_attribute(next_attr_);
    }
    values[i] = ValueView(attr, tree_->utf8, converted_[i]);
    found |= 1UL << i;
  }
  next_attr_ = next.internal_object();
  return found;
}

CXmlFileElms* CXmlFileElm::GetChildren() const {
  std::vector<pugi::xml_node_struct*> elements;
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_element) elements.push_back(child.internal_object());
  }
  if (elements.empty()) return nullptr;
  return new CXmlFileElms(tree_, std::move(elements));
}
