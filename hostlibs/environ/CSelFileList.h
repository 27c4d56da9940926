// CSelFileList: a list of file names gathered from directories by extension, as the host's
// file selection uses it. Each AddFileList call appends the matching names of one directory.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"

class CEnvironObj;

class CSelFileList {
 public:
  // Decides for one gathered file whether it joins the list: nonzero keeps it. It may change
  // the name that is kept. Arguments: the environment, the name, the directory, the user data.
  using FileCallback = int (*)(const CEnvironObj&, CString&, const CString&, void*);

  CSelFileList() = default;
  ~CSelFileList() = default;

  // Appends the names (without directory) of the files in dir whose extension matches the
  // filter's, ignoring the case of ASCII letters; directories are left out. The filter is
  // "description|.EXT" (a bare ".EXT" also serves). The names of one call are in byte order.
  // title and flags are kept for the host's selection dialog and not used here. Returns the
  // number of names added, or -1 when the directory cannot be read.
  int AddFileList(const CEnvironObj& env, const CString& dir, const CString& filter,
                  const char* title, int flags, FileCallback callback, void* data);

  int GetCnt() const { return names_.GetSize(); }
  // The i-th name, 0 <= i < GetCnt(); "" outside that range.
  CString GetFileName(int i) const;

 private:
  CStringArray names_;
};
