// EntryProgress: how far a registration of many files has copied them, for a host that shows
// it while the copies run.
#pragma once

#include <functional>

struct EntryProgress {
  int files = 0;        // files copied so far, companions included
  int fileCount = 0;    // files to copy
  int folders = 0;      // destination folders whose files are all copied
  int folderCount = 0;  // destination folders
};

using EntryProgressReport = std::function<void(const EntryProgress&)>;
