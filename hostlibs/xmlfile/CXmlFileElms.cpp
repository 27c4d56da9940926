#include "hostlibs/xmlfile/CXmlFileElms.h"

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

CXmlFileElm* CXmlFileElms::FindElm(const char* name, long& position) const {
  if (position < 0) return nullptr;
  const long count = GetCount();
  for (long i = position; i < count; ++i) {
    if (xmlfile::IsNamed(pugi::xml_node(elements_[static_cast<size_t>(i)]), name)) {
      position = i + 1;
      return new CXmlFileElm(tree_, elements_[static_cast<size_t>(i)]);
    }
  }
  position = count;
  return nullptr;
}
