#include "registration/BatchCopy.h"

namespace registration {

bool BatchCopy::Add(const CString& src, const CString& dst) {
  if (!disk_.Watch(dst)) return false;
  copies_.push_back(std::make_unique<afx::PendingCopy>());
  destinations_.push_back(dst);
  return copies_.back()->Write(src, dst, {}, false);
}

bool BatchCopy::GiveNames(const CString& dst_dir, CString& failed) {
  failed = dst_dir;
  // Each copy holds its contents on the disk before a name (or a record) can point at it.
  if (!disk_.Sync()) return false;
  // A destination another user holds is found before any name is given, not half-way.
  for (size_t i = 0; i < copies_.size(); ++i) {
    if (!copies_[i]->CanCommit()) {
      failed = destinations_[i];
      return false;
    }
  }
  for (size_t i = 0; i < copies_.size(); ++i) {
    if (!copies_[i]->Commit(false)) {
      failed = destinations_[i];
      return false;
    }
  }
  failed = dst_dir;
  return true;
}

bool BatchCopy::Commit(const CString& dst_dir, CString& failed) {
  return GiveNames(dst_dir, failed) && afx::SyncFolder(dst_dir);
}

bool BatchCopy::CommitBelow(const CString& dst_root, CString& failed) {
  return GiveNames(dst_root, failed) && afx::SyncFileSystemOf(dst_root);
}

}  // namespace registration
