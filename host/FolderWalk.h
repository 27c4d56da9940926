// The walk over the register's folders that the commands share: the tree as the manager read
// it from the disk, so that every command meets the same folders (a symbolic link is no
// folder, so a loop of links ends and a link out of the root leads nowhere).
#pragma once

#include <functional>

class CDrawingFolder;
class CDrawingManager;

namespace host {

using FolderVisit = std::function<void(CDrawingFolder& folder, int depth)>;

// Visits folder (at depth) and every folder below it, each before its sub-folders.
void ForEachFolder(CDrawingFolder& folder, int depth, const FolderVisit& visit);
// Visits every folder below the drawing root; the top-level folders are at depth 1.
void ForEachFolder(CDrawingManager& manager, const FolderVisit& visit);

}  // namespace host
