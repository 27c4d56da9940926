#include "hostlibs/xmlfile/CXmlFileElm.h"

#include "hostlibs/xmlfile/XmlFileTree.h"

// ---- CXmlFileElm ----

CXmlFileElm::CXmlFileElm(std::shared_ptr<const xmlfile::Tree> tree, pugi::xml_node_struct* node)
    : tree_(std::move(tree)), node_(node) {}

CXmlFileElm::~CXmlFileElm() = default;

int CXmlFileElm::IsSameTagName(const char* name) const {
  return xmlfile::IsNamed(pugi::xml_node(node_), name) ? 1 : 0;
}

int CXmlFileElm::GetAttr(const char* name, CString& value) const {
  const pugi::xml_attribute attr = pugi::xml_node(node_).attribute(xmlfile::BareName(name));
  if (!attr) return 0;
  value = tree_->utf8 ? afx::FromUtf8(attr.value()) : CString(attr.value());
  return 1;
}

CXmlFileElms* CXmlFileElm::GetChildren() const {
  const pugi::xml_node node(node_);
  size_t count = 0;
  for (pugi::xml_node child : node.children())
    count += child.type() == pugi::node_element;
  if (count == 0) return nullptr;
  // Made to measure: the document's HeldBytes counts one pointer for each element.
  std::vector<pugi::xml_node_struct*> elements;
  elements.reserve(count);
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_element) elements.push_back(child.internal_object());
  }
  return new CXmlFileElms(tree_, std::move(elements));
}

// ---- CXmlFileElms ----

CXmlFileElms::CXmlFileElms(std::shared_ptr<const xmlfile::Tree> tree,
                           std::vector<pugi::xml_node_struct*> elements)
    : tree_(std::move(tree)), elements_(std::move(elements)) {}

CXmlFileElms::~CXmlFileElms() = default;

CXmlFileElm* CXmlFileElms::FindAnElm(const char* name) const {
  long position = 0;
  return FindElm(name, position);
}

CXmlFileElm* CXmlFileElms::FindElm(const char* name, long& position) const {
  if (position < 0) return nullptr;
  const long count = GetCount();
  for (long i = position; i < count; ++i) {
    pugi::xml_node_struct* element = elements_[static_cast<size_t>(i)];
    if (xmlfile::IsNamed(pugi::xml_node(element), name)) {
      position = i + 1;
      return new CXmlFileElm(tree_, element);
    }
  }
  position = count;
  return nullptr;
}
