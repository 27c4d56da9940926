// A link box that reads a text both ways, tag by tag and through the parsed document, and a
// description of a box that two boxes share exactly when they hold the same: for the tests
// and the fuzz target that compare the two readers.
#pragma once

#include <string>

#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "templates/TovoLinkBox.h"

class TwoWayLinkBox : public TovoLinkBox {
 public:
  // Each reads from memory as Load reads a file that way: 1, or 0 with the box left empty.
  int FromTags(const std::string& text) {
    Clear();
    return ReadTags(text);
  }
  int FromDocument(const std::string& text) {
    Clear();
    CXmlFileDoc doc;
    if (doc.SetText(text.data(), text.size()) && ReadDoc(doc)) return 1;
    Clear();
    return 0;
  }
};

// The names, and every field of every link and deleted link, in order.
inline std::string Describe(const TovoLinkBox& box) {
  std::string text = box.Name().Bytes() + "|" + box.DispName().Bytes();
  auto add = [&text](const TovoLink& link) {
    text += "\n" + link.Name().Bytes() + "|" + link.DispName().Bytes() + "|" +
            std::to_string(link.GetLinkInfo().GroupNo) + "|" + link.GetLinkInfo().FolName.Bytes() +
            "|" + link.GetExtension().Bytes() + "|" + std::to_string(link.GetDataNo()) + "|" +
            link.GetAddText().Bytes();
  };
  for (int i = 0; i < box.GetLinkCnt(); ++i)
    add(*box.GetLink(i));
  text += "\n--";
  for (int i = 0; i < box.GetDelLinkCnt(); ++i)
    add(*box.GetDelLink(i));
  return text;
}
