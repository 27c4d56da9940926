// The parsed document shared by a CXmlFileDoc and every element and element list taken
// from it, so that those stay valid in whatever order their holders release them.
// Private to the XML file library: the only place that sees pugixml.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "framework/CString.h"
#include "hostlibs/xmlfile/XmlFileName.h"

namespace xmlfile {

struct Tree {
  std::unique_ptr<char[]> text;  // the file's bytes; pugixml parses them in place
  size_t size = 0;
  pugi::xml_document doc;
  // The file's text is UTF-8 rather than code page 932: values are converted on reading.
  bool utf8 = false;
  // CXmlFileDoc::HeldBytes, counted once the text is parsed.
  size_t held = 0;
};

using TreePtr = std::shared_ptr<const Tree>;

inline bool IsNamed(pugi::xml_node node, const char* name) {
  return node.type() == pugi::node_element && std::string_view(node.name()) == BareName(name);
}

}  // namespace xmlfile
