// Text views of the register for the terminal: a folder's registered files as a table, and
// the folder tree with every registered file's deliverable name. Every name is shown with its
// control characters escaped.
#pragma once

#include <string>

class CDrawingFolder;
class CDrawingManager;
class CEnvironObj;

namespace host {

class LockWait;

enum class Viewing {
  loaded,   // the records are read
  nothing,  // no information file: nothing registered yet
  locked,   // another user held the lock for the whole wait
  failed,   // the records could not be read
};

// Loads a folder's records for viewing, retrying while another user holds its lock and wait
// lasts. Never creates an information file, so that viewing never writes. What kept it from
// loading, lines that could not be read and a journal set aside are reported on standard
// error. With keep_lock the folder stays locked after a load, for a change to follow.
Viewing LoadForViewing(const CEnvironObj& env, CDrawingFolder& folder, LockWait& wait,
                       bool keep_lock = false);

// Source name, deliverable name, size and modification time of each loaded record.
std::string FilesTable(const CEnvironObj& env, const CDrawingFolder& folder);

// The folders below the root, indented; with files, each folder's records are loaded for
// viewing (waiting for each locked folder) and listed under it. complete turns false when a
// folder's records could not be shown.
std::string TreeText(const CEnvironObj& env, CDrawingManager& manager, bool with_files,
                     LockWait& wait, bool& complete);

}  // namespace host
