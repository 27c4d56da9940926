#include "hostlibs/xmlfile/CXmlFileElms.h"

#include <string_view>

#include "hostlibs/xmlfile/CXmlFileElm.h"
#include "hostlibs/xmlfile/XmlFileTree.h"

CXmlFileElms::CXmlFileElms(std::shared_ptr<const xmlfile::Tree> tree,
                           std::vector<pugi::xml_node_struct*> elements)
    : tree_(std::move(tree)), elements_(std::move(elements)) {}

CXmlFileElms::~CXmlFileElms() = default;

CXmlFileElm* CXmlFileElms::FindAnElm(const char* name) const {
  long position = 0;
  return FindElm(name, position);
}

long CXmlFileElms::CountElms(const char* name) const {
  const std::string_view wanted = xmlfile::BareName(name);
  long count = 0;
  for (pugi::xml_node_struct* element : elements_)
    count += wanted == pugi::xml_node(element).name();
  return count;
}

long CXmlFileElms::Find(const char* name, long& position) const {
  if (position < 0) return -1;
  const std::string_view wanted = xmlfile::BareName(name);
  const long count = GetCount();
  for (long i = position; i < count; ++i) {
    const pugi::xml_node node(elements_[static_cast<size_t>(i)]);
    if (node.type() == pugi::node_element && wanted == node.name()) {
      position = i + 1;
      return i;
    }
  }
  position = count;
  return -1;
}

CXmlFileElm* CXmlFileElms::FindElm(const char* name, long& position) const {
  const long i = Find(name, position);
  if (i < 0) return nullptr;
  return new CXmlFileElm(tree_, elements_[static_cast<size_t>(i)]);
}

int CXmlFileElms::FindElm(const char* name, long& position, CXmlFileElm& elm) const {
  const long i = Find(name, position);
  if (i < 0) return 0;
  // Only an element of another document needs the shared tree changed; the usual reuse
  // within one document leaves its count alone.
  if (elm.tree_ != tree_) elm.tree_ = tree_;
  elm.node_ = elements_[static_cast<size_t>(i)];
  elm.next_attr_ = nullptr;
  return 1;
}
