#include "host/Json.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "host/Text.h"

namespace host {

std::string JsonText(const CString& text) {
  std::string utf8;
  if (!afx::TryToUtf8(text, utf8)) {
    throw UnconvertibleText("a name that code page 932 does not define: " + Printable(text));
  }
  return utf8;
}

void PrintJson(const nlohmann::ordered_json& document) {
  std::cout << document.dump(2) << "\n";
}

}  // namespace host
