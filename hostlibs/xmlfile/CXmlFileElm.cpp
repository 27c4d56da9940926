#include "hostlibs/xmlfile/CXmlFileElm.h"

#include <cstring>
#include <vector>

#include "hostlibs/xmlfile/CXmlFileElms.h"
#include "hostlibs/xmlfile/XmlFileTree.h"

CXmlFileElm::CXmlFileElm(std::shared_ptr<const xmlfile::Tree> tree, pugi::xml_node_struct* node)
    : tree_(std::move(tree)), node_(node) {}

CXmlFileElm::~CXmlFileElm() = default;

int CXmlFileElm::IsSameTagName(const char* name) const {
  return xmlfile::IsNamed(pugi::xml_node(node_), name) ? 1 : 0;
}

pugi::xml_attribute_struct* CXmlFileElm::FindAttr(const char* name) const {
  const pugi::xml_node node(node_);
  const pugi::xml_attribute start =
      next_attr_ ? pugi::xml_attribute(next_attr_) : node.first_attribute();
  const char* wanted = xmlfile::BareName(name);
  pugi::xml_attribute attr = start;
  while (attr && std::strcmp(wanted, attr.name()) != 0) {
    attr = attr.next_attribute();
    if (!attr) attr = node.first_attribute();
    if (attr == start) attr = pugi::xml_attribute();
  }
  if (!attr) return nullptr;
  next_attr_ = attr.next_attribute().internal_object();
  return attr.internal_object();
}

void CXmlFileElm::ReadValue(pugi::xml_attribute_struct* attr, CString& value) const {
  const char* text = pugi::xml_attribute(attr).value();
  if (tree_->utf8) {
    value = afx::FromUtf8(text);
  } else {
    value = text;
  }
}

int CXmlFileElm::GetAttr(const char* name, CString& value) const {
  pugi::xml_attribute_struct* attr = FindAttr(name);
  if (!attr) return 0;
  ReadValue(attr, value);
  return 1;
}

unsigned long CXmlFileElm::GetAttrs(const char* const* names, int count, CString* values) const {
  // The same searches as one GetAttr per name, in order, so the values are exactly those;
  // what is saved is the calls and the copies through a temporary string.
  if (count > kMaxAttrs) count = kMaxAttrs;
  unsigned long found = 0;
  for (int i = 0; i < count; ++i) {
    pugi::xml_attribute_struct* attr = FindAttr(names[i]);
    if (!attr) continue;
    ReadValue(attr, values[i]);
    found |= 1UL << i;
  }
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
