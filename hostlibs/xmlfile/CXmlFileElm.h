// CXmlFileElm: one element of a parsed XML file: its tag name, its attributes and its
// child elements. Attribute values come back as code page 932 text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

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
  // Reads several attributes in one call, as one GetAttr per name in that order would:
  // values[i] receives the attribute names[i] when it is present and is left alone
  // otherwise. Returns a mask with bit i set for each names[i] found. At most kMaxAttrs
  // names; line feeds at their start are ignored. The values are code page 932 text that
  // stays valid until the next GetAttrs on this element or its release: a reader of
  // thousands of elements copies each value once, into its own objects.
  static constexpr int kMaxAttrs = 32;
  unsigned long GetAttrs(const char* const* names, int count, std::string_view* values) const;
  // The child elements, or null when there are none. The caller releases the list.
  CXmlFileElms* GetChildren() const;

 private:
  // A list re-points an element it handed out at another of its elements (see
  // CXmlFileElms::FindElm), so that a reader walking thousands of elements needs no new
  // object for each.
  friend class CXmlFileElms;

  // The attribute name, searched from where the last search ended and around to it, or null.
  pugi::xml_attribute_struct* FindAttr(const char* name) const;

  std::shared_ptr<const xmlfile::Tree> tree_;
  pugi::xml_node_struct* node_;
  // Where the next attribute search starts: readers ask for attributes in the order they
  // are written, so each search usually ends at its first step.
  mutable pugi::xml_attribute_struct* next_attr_ = nullptr;
  // The values GetAttrs converted from a UTF-8 file.
  mutable std::string converted_[kMaxAttrs];
};
