// Text views of the register for the terminal: a folder's registered files as a table, and
// the folder tree with every registered file's deliverable name.
#pragma once

#include <string>

class CDrawingFolder;
class CDrawingManager;
class CEnvironObj;

namespace host {

// Source name, deliverable name, size and modification time of each loaded record.
std::string FilesTable(const CEnvironObj& env, const CDrawingFolder& folder);
// The folders below the root, indented; with files, each folder's records are loaded (only
// where an information file exists, so that viewing never writes) and listed under it.
std::string TreeText(const CEnvironObj& env, CDrawingManager& manager, bool with_files);
// Loads a folder's records for viewing: 1 loaded, 0 locked by another user or unreadable,
// -1 no information file (nothing registered yet).
int LoadForViewing(const CEnvironObj& env, CDrawingFolder& folder);

}  // namespace host
