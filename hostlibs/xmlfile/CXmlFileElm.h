// CXmlFileElm: one element of a parsed XML file: its tag name, its attributes and its
// child elements. Attribute values come back as code page 932 text.
#pragma once

#include <memory>

#include "framework/CString.h"

namespace pugi {
struct xml_node_struct;
struct xml_attribute_struct;
}  // namespace pugi
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
  // Nonzero when the attribute is present; its value then goes to value.
  int GetAttr(const char* name, CString& value) const;
  // The child elements, or null when there are none. The caller releases the list.
  CXmlFileElms* GetChildren() const;

 private:
  std::shared_ptr<const xmlfile::Tree> tree_;
  pugi::xml_node_struct* node_;
  // Where the next attribute search starts: readers ask for attributes in the order they
  // are written, so each search usually ends at its first step.
  mutable pugi::xml_attribute_struct* next_attr_ = nullptr;
};
