// The register's views for scripts (--json): the same data as the tables and the tree of
// RegisterView, as JSON documents.
#pragma once

#include <nlohmann/json_fwd.hpp>

class CDrawingFolder;
class CDrawingManager;
class CEnvironObj;

namespace host {

class LockWait;

// The folder's path and each loaded record: source name, deliverable name, the name fields,
// size and modification time (null when the file is not there).
nlohmann::ordered_json FilesJson(const CEnvironObj& env, const CDrawingFolder& folder);

// The root and its folders, nested; with files, each folder's records are loaded for viewing
// as in TreeText, and a folder whose records could not be shown says why in "state".
nlohmann::ordered_json TreeJson(const CEnvironObj& env, CDrawingManager& manager, bool with_files,
                                LockWait& wait, bool& complete);

}  // namespace host
