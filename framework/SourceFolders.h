// The folders a tree of files is registered from and the folders it goes to: a walk over a
// source folder that reports every name (also one code page 932 cannot hold) with what it
// really is, and the making of new folders below a destination without ever passing through a
// symbolic link planted there.
#pragma once

#include <vector>

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/FileSystem.h"

namespace afx {

// The identity of a directory on this system; a walk that meets one twice has met a loop.
struct FolderIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  bool operator<(const FolderIdentity& o) const {
    return device != o.device ? device < o.device : inode < o.inode;
  }
};

// One name in a source folder, a symbolic link followed.
struct SourceEntry {
  CString name;             // code page 932; the system's own bytes when exactName is false
  bool exactName = true;    // false when code page 932 cannot hold the name exactly
  PathLook look;            // what the name leads to (error set when that could not be told)
  FolderIdentity identity;  // of a directory
};

// Every name in dir but "." and "..", sorted by the bytes of their names, so that the same
// folder always gives the same order. false (errno) when dir cannot be read.
bool ListSourceFolder(const CString& dir, std::vector<SourceEntry>& out);
// The identity of the directory at path, a link followed; false (errno) when there is none.
bool GetFolderIdentity(const CString& path, FolderIdentity& out);
// Makes names[0], names[0]/names[1]... below the existing folder base, each a directory of its
// own: an existing name is used only when it is a real directory, never a symbolic link or a
// file. false (errno: ELOOP or ENOTDIR for something else in the way) when one cannot be made.
bool CreateFoldersBelow(const CString& base, const CStringArray& names);

}  // namespace afx
