// BatchCopy: the copies of a batch registration. Each file is first copied beside its
// destination under a temporary name while the disk writes the one before; all are made
// durable by one sync of the file system, then take their names in the order added, and one
// sync of the folder makes the names durable. A copy that never took its name is removed, so
// a failure part-way replaces nothing.
#pragma once

#include <memory>
#include <vector>

#include "framework/CString.h"
#include "framework/PendingCopy.h"

namespace registration {

class BatchCopy {
 public:
  // Copies src (a regular file) to a temporary file beside dst; false on failure (errno).
  bool Add(const CString& src, const CString& dst);
  // Makes every copy durable in dst_dir, then gives each its destination's name and makes the
  // names durable. false on failure (errno), with the destination at fault in failed.
  bool Commit(const CString& dst_dir, CString& failed);
  // The same for copies into many folders below dst_root: the names are made durable by one
  // sync of the file system rather than one of each folder.
  bool CommitBelow(const CString& dst_root, CString& failed);

 private:
  bool GiveNames(const CString& dst_dir, CString& failed);

  afx::FileSystemWatch disk_;  // watched from the first copy on
  std::vector<std::unique_ptr<afx::PendingCopy>> copies_;
  std::vector<CString> destinations_;
};

}  // namespace registration
