// What entry and setting share before their dialogs open: the catalogue, the files given, the
// sheet and the answers that fill the dialogs, all read and checked before anything changes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/CString.h"
#include "host/EntryDriver.h"
#include "host/Sheet.h"

class CStdDraftMgr;

namespace host {

struct CommandLine;

// Loads --catalogue into draft; a catalogue that cannot be read is bad usage.
void LoadCatalogue(CStdDraftMgr& draft, const std::string& file);

// The files given, absolute, in code page 932.
std::vector<CString> SourcePaths(const CommandLine& line);
// The file name of each path.
std::vector<CString> FileNames(const std::vector<CString>& paths);

// The sheet given with --sheet, read, checked and matched to the files (their names, or their
// paths relative to a tree's top); files without a row are reported on standard error. Empty
// without --sheet.
std::optional<Sheet> ReadSheet(const CommandLine& line, const CStdDraftMgr& draft,
                               NamingEdition edition, const std::vector<CString>& files);

// The answers from the field options, --number (checked against the number of files), the
// sheet, --yes and --wait.
// drawings is the most drawings one grid holds (the files given when not told).
EntryAnswers AnswersFrom(const CommandLine& line, const CStdDraftMgr& draft, const Sheet* sheet,
                         std::optional<size_t> drawings = std::nullopt);
// Whether the answers preset anything, for the dialogs a person sees.
bool Presets(const EntryAnswers& answers);

// False, after naming each on standard error, when a file given is missing or a directory.
bool SourcesAreFiles(const std::vector<CString>& paths);

}  // namespace host
