// Registering folder trees through the in-memory presenter on a real disk: the register and
// source of EntryFixture, files made with their folders, and the lock set and collection
// steps at hand.
#pragma once

#include <string>
#include <vector>

#include "registration/DrawingTreeFileInfo.h"
#include "registration/EntryFixture.h"
#include "registration/EntryFolders.h"
#include "support/OtherUser.h"

struct TreeFixture : EntryFixture {
  // Makes src/<relative> (and the folders above it) holding bytes.
  CString Source(const CString& relative, const std::string& bytes = "drawing") {
    const CString path = reg.Path(CString("src/") + relative);
    afx::CreateDirectories(reg.env.GetDirNameFromRelativePath(path));
    WriteBytes(path, bytes);
    return path;
  }
  CString Src() const { return reg.Path("src"); }
  CString Root(const CString& relative) const { return reg.Path(CString("root/") + relative); }

  // The source paths collected below path, relative to src; empty on failure.
  std::vector<CString> Collected(const CString& path, CString& error) {
    TVector<DrawingTreeFileInfo> entries;
    std::vector<CString> found;
    if (!registration::CollectEntryFiles(reg.env, entries, path, error)) return found;
    for (int i = 0; i < entries.GetCnt(); ++i)
      found.push_back(entries[i].srcPath.Mid(Src().GetLength() + 1));
    return found;
  }

  bool LockableElsewhere(const CString& folder_path) const {
    return ::LockableElsewhere(reg.env, folder_path);
  }
};
