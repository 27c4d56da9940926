// CXmlFileElms: the child elements of one element, in document order, searched by tag
// name. Every element it hands out is a new object that the caller releases.
#pragma once

#include <memory>
#include <vector>

namespace pugi {
struct xml_node_struct;
}
namespace xmlfile {
struct Tree;
}

class CXmlFileElm;

class CXmlFileElms {
 public:
  CXmlFileElms(std::shared_ptr<const xmlfile::Tree> tree,
               std::vector<pugi::xml_node_struct*> elements);
  CXmlFileElms(const CXmlFileElms&) = delete;
  CXmlFileElms& operator=(const CXmlFileElms&) = delete;
  ~CXmlFileElms();

  long GetCount() const { return static_cast<long>(elements_.size()); }
  // How many of the elements are named name (a line feed at its start ignored): what a
  // reader of those elements makes room for, rather than for every element of the list.
  long CountElms(const char* name) const;
  // The first element named name, or null. A line feed at the start of name is ignored.
  CXmlFileElm* FindAnElm(const char* name) const;
  // The first element named name at or after position, or null; position moves past the
  // element found (to the end when none is found). A negative position finds nothing.
  CXmlFileElm* FindElm(const char* name, long& position) const;
  // As FindElm, but points elm at the element found instead of making a new object; elm
  // stays as it was when none is found (the result is then 0). Readers walking a long list
  // reuse one element this way.
  int FindElm(const char* name, long& position, CXmlFileElm& elm) const;

 private:
  // Index of the first element named name at or after position, or -1; moves position as
  // FindElm describes.
  long Find(const char* name, long& position) const;

  std::shared_ptr<const xmlfile::Tree> tree_;
  std::vector<pugi::xml_node_struct*> elements_;
};
