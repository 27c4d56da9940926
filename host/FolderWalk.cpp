#include "host/FolderWalk.h"

#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"

namespace host {

void ForEachFolder(CDrawingFolder& folder, int depth, const FolderVisit& visit) {
  visit(folder, depth);
  for (int i = 0; i < folder.GetFolderCount(); ++i)
    ForEachFolder(*folder.GetFolder(i), depth + 1, visit);
}

void ForEachFolder(CDrawingManager& manager, const FolderVisit& visit) {
  for (int i = 0; i < manager.GetFolderCount(); ++i)
    ForEachFolder(*manager.GetFolder(i), 1, visit);
}

}  // namespace host
