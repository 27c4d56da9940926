// JSON for scripts: every command that prints a table or a tree prints the same data as one
// JSON document with --json. Texts are code page 932 inside and must reach the script as the
// very characters they are, so a name is converted exactly or the output fails.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>

#include "framework/CString.h"

namespace host {

// A text that code page 932 does not define, so it has no exact UTF-8 form.
class UnconvertibleText : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text in UTF-8, converted exactly. Throws UnconvertibleText, showing the text with its
// bytes escaped, when the code page does not define it.
std::string JsonText(const CString& text);

// Writes the document to standard output, indented by two spaces, ending with a line feed.
// Documents are ordered_json, so that keys come in the order written: the identity of a thing
// (its path, its name) first, its parts last.
void PrintJson(const nlohmann::ordered_json& document);

}  // namespace host
