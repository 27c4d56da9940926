// Reading the template family's files for the program: a template file or a link box file,
// and when that fails, what is wrong with it in words the user can act on. Only regular files
// are read, never through a symbolic link, and within the memory a file of its size may take.
#pragma once

#include <memory>
#include <string>

#include "framework/CString.h"
#include "templates/TovoLinkBox.h"
#include "templates/TovoTemplate.h"

namespace host {

// The template in the file at path; null, with problem set to "PATH: what is wrong"
// (printable), when it cannot be read.
std::unique_ptr<TovoTemplate> ReadTemplate(const CString& path, std::string& problem);

// The link box in the file at path; null with problem set, as above.
std::unique_ptr<TovoLinkBox> ReadLinkBox(const CString& path, std::string& problem);

}  // namespace host
