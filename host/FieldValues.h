// The name fields a user may preset on the command line (--life, --ref, --page, --rev,
// --type), checked as the drawing record itself would take them. A value the record would
// refuse or store with another meaning is bad usage, never quietly replaced: the dialog would
// otherwise keep the default or cut the text, and a file would be registered under a name the
// user did not ask for.
#pragma once

#include <string>

class CStdDraftMgr;

namespace host {

// Each returns "" when the record takes the UTF-8 value as given, else what the option
// accepts. A drawing number is kept with three digits: 7, 07 and 007 are the same number, so
// the zeros the record adds are no change; 0007 is refused, as the record refuses it.
std::string CheckLife(const std::string& value);
std::string CheckReference(const std::string& value);
std::string CheckPage(const std::string& value);
std::string CheckRevision(const std::string& value);
// The user-defined part of a 2017 name: full-width characters or half-width A-Z and 0-9.
std::string CheckTitle(const std::string& value);
// "" when the catalogue knows the type code, else the codes it knows.
std::string CheckType(const std::string& value, const CStdDraftMgr& draft);

// "" when the text is a start for sequential drawing numbers: START, START:+ or START:-,
// START a drawing number.
std::string CheckNumbering(const std::string& value);
// "" when count drawings numbered from start, up or down, all get numbers 1 to 999.
std::string CheckNumberingRange(int start, bool count_down, size_t count);

// "" when the text is a number of seconds to wait: finite and not negative.
std::string CheckSeconds(const std::string& value);

}  // namespace host
