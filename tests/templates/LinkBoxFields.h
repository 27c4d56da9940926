// Every field of a link box in one text, which two boxes share exactly when they hold the
// same: for the tests and the fuzz target that compare what a box reads with what it saved.
#pragma once

#include <string>

#include "templates/TovoLinkBox.h"

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
