// The register's own settings: a small UTF-8 text file "drawreg.conf" at the drawing root,
// lines "key = value". It holds the edition of the naming rule ("naming = 2004" or
// "naming = 2017"); a register without the file, or without the line, uses 2004. The file lies
// beside the folders, never in one, so the register never takes it for a drawing; it is read
// only when it is a regular file and replaced whole, never written through a link.
#pragma once

#include <optional>
#include <string>

#include "framework/CString.h"
#include "hostlibs/environ/NamingEdition.h"

namespace host {

inline constexpr const char* kSettingsFileName = "drawreg.conf";

// "2004" or "2017"; nothing for any other text.
std::optional<NamingEdition> ParseNamingEdition(const std::string& text);
const char* NamingEditionText(NamingEdition edition);

// The edition the settings file at root gives. Throws UsageError naming the file when it
// cannot be used: not a regular file, unreadable, or a naming line of another value.
NamingEdition ReadNamingEdition(const CString& root);

// Sets the naming line of the settings file at root, keeping its other lines: the new
// contents go to a temporary file beside it, reach the disk and take its name at once. A
// settings name that is not a regular file is refused. Returns "" when done, otherwise why
// not (printable).
std::string WriteNamingEdition(const CString& root, NamingEdition edition);

}  // namespace host
