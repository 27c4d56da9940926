// PendingCopy: a copy of a file written beside its destination under a temporary name, which
// takes the destination's name only when committed. The destination appears whole or not at
// all, a full disk loses nothing, and the caller can do other work (copy a drawing's
// companions first) between the copy and its appearance. An uncommitted copy is removed.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/CString.h"
#include "framework/FileDescriptor.h"

namespace afx {

class PendingCopy {
 public:
  PendingCopy() = default;
  PendingCopy(const PendingCopy&) = delete;
  PendingCopy& operator=(const PendingCopy&) = delete;
  ~PendingCopy();

  // Copies src (a regular file; a FIFO is refused, never waited on) into a temporary file in
  // dst's folder, made durable. With seen, each piece read is shown to it on the way, so that
  // a caller that must read the file anyway reads it once. false on failure, errno says why.
  // A caller making many copies passes durable false: the disk starts writing the copy while
  // the next is made, and the caller makes them all durable at once (SyncFileSystemOf) before
  // any is committed.
  bool Write(const CString& src, const CString& dst,
             const std::function<void(std::string_view)>& seen = {}, bool durable = true);
  // Whether the copy could take the destination's name now: false (errno EBUSY) while another
  // user holds the destination with exclusive sharing.
  bool CanCommit() const;
  // Gives the copy the destination's name: never replacing an existing file when
  // fail_if_exists, never a file held with exclusive sharing. false on failure (errno).
  bool Commit(bool fail_if_exists);

 private:
  std::string temp_;  // the temporary file, UTF-8; empty when there is none
  std::string dst_;
};

// The file system a batch of copies goes to, watched from before the first copy is written: a
// sync reports only the write errors that happen while it is watched, so one sync at the end
// reports a failed write of any copy of the batch.
class FileSystemWatch {
 public:
  // Starts watching the file system holding path (a file or folder in it, which need not
  // exist); true at once when already watching. false on failure (errno).
  bool Watch(const CString& path);
  // Makes everything written to the file system durable; false (errno) when that failed or
  // a write failed while it was watched. Nothing watched is nothing to make durable.
  bool Sync() const;

 private:
  FileDescriptor folder_{-1};
};

// Makes everything written to the file system holding folder durable, in one call instead of
// one a file. false on failure (errno).
bool SyncFileSystemOf(const CString& folder);
// Makes the names given in folder (by renames) durable. false on failure (errno).
bool SyncFolder(const CString& folder);

}  // namespace afx
