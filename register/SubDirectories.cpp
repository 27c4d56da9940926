#include "register/SubDirectories.h"

#include "framework/CFileFind.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/InfoFileName.h"

void ForEachSubDirectory(
    const CEnvironObj& env, const CString& path,
    const std::function<void(const CString& name, const CString& full)>& visit) {
  CString pattern = path;
  env.AddFileName(pattern, "*.*");
  CFileFind find;
  BOOL more = find.FindFile(pattern);
  while (more) {
    more = find.FindNextFile();
    // A directory named like the information file is its parent's damage, not a folder.
    if (find.IsDirectory() && !find.IsDots() && find.GetFileName() != kInfoFileName) {
      visit(find.GetFileName(), find.GetFilePath());
    }
  }
}
