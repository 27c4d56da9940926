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

int CXmlFileElm::GetAttr(const char* name, CString& value) const {
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
  if (!attr) return 0;
  next_attr_ = attr.next_attribute().internal_object();
  if (tree_->utf8) {
    value = afx::FromUtf8(attr.value());
  } else {
    value = attr.value();
  }
  return 1;
}

CXmlFileElms* CXmlFileElm::GetChildren() const {
  std::vector<pugi::xml_node_struct*> elements;
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_element) elements.push_back(child.internal_object());
  }
  if (elements.empty()) return nullptr;
  return new CXmlFileElms(tree_, std::move(elements));
}
