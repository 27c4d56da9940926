// Views of the template family's files for the terminal and, with --json, for scripts: the
// template files a user can pick, one template's settings and folder tree with its file
// boxes, and one link box's links. Text views escape control characters; JSON views hold the
// names converted exactly (see Json.h).
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "framework/CString.h"

class TovoLinkBox;
class TovoTemplate;

namespace host {

// One file of the template list, with the name of the template it holds when it could be read.
struct ListedTemplate {
  CString path;           // full path
  CString file_name;      // as the list gives it
  bool standard = false;  // a standard template (".@FT"); otherwise a user template (".TFT")
  bool readable = false;
  CString name;         // the template's name when readable
  std::string problem;  // printable; why it could not be read
};

std::string TemplateListText(const std::vector<ListedTemplate>& templates);
nlohmann::ordered_json TemplateListJson(const CString& folder,
                                        const std::vector<ListedTemplate>& templates);

// The name, the three output settings, and the folders depth first, each with its file boxes
// (name, display name, digit count, extension, auto-link records) and then its sub-folders.
std::string TemplateText(const TovoTemplate& tmpl);
nlohmann::ordered_json TemplateJson(const CString& path, const TovoTemplate& tmpl);

// The box's names, its links in order and its deleted links: data number, group number,
// folder name, name, display name, extension and additional text.
std::string LinkBoxText(const TovoLinkBox& box);
nlohmann::ordered_json LinkBoxJson(const CString& path, const TovoLinkBox& box);

}  // namespace host
