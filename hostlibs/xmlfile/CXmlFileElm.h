// CXmlFileElm and CXmlFileElms: the elements of a parsed XML file. An element has its tag
// name, its attributes and its child elements; the list of an element's children is
// searched by tag name. Each hands out objects of the other, so the two make one piece.
// Every element or list handed out is a new object that the caller releases. Attribute
// values come back as code page 932 text.
#pragma once

#include <memory>
#include <vector>

#include "framework/CString.h"

namespace pugi {
struct xml_node_struct;
}
namespace xmlfile {
struct Tree;
}

class CXmlFileElms;

class CXmlFileElm {
 public:
  CXmlFileElm(std::shared_ptr<const xmlfile::Tree> tree, pugi::xml_node_struct* node);
  CXmlFileElm(const CXmlFileElm&) = delete;
  CXmlFileElm& operator=(const CXmlFileElm&) = delete;
  ~CXmlFileElm();

  // Nonzero when the tag is name; a line feed at the start of name is ignored.
  int IsSameTagName(const char* name) const;
  // Nonzero when the attribute is present; its value then goes to value. A line feed at the
  // start of name is ignored.
  int GetAttr(const char* name, CString& value) const;
  // The child elements, or null when there are none.
  CXmlFileElms* GetChildren() const;

 private:
  std::shared_ptr<const xmlfile::Tree> tree_;
  pugi::xml_node_struct* node_;
};

class CXmlFileElms {
 public:
  CXmlFileElms(std::shared_ptr<const xmlfile::Tree> tree,
               std::vector<pugi::xml_node_struct*> elements);
  CXmlFileElms(const CXmlFileElms&) = delete;
  CXmlFileElms& operator=(const CXmlFileElms&) = delete;
  ~CXmlFileElms();

  long GetCount() const { return static_cast<long>(elements_.size()); }
  // The first element named name, or null. A line feed at the start of name is ignored.
  CXmlFileElm* FindAnElm(const char* name) const;
  // The first element named name at or after position, or null; position moves past the
  // element found (to the end when none is found). A negative position finds nothing.
  CXmlFileElm* FindElm(const char* name, long& position) const;

 private:
  std::shared_ptr<const xmlfile::Tree> tree_;
  std::vector<pugi::xml_node_struct*> elements_;
};
