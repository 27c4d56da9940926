#include "register/SubDirectories.h"

#include "framework/CFileFind.h"
#include "hostlibs/environ/CEnvironObj.h"

void ForEachSubDirectory(
    const CEnvironObj& env, const CString& path,
    const std::function<void(const CString& name, const CString& full)>& visit) {
  CString pattern = path;
  env.AddFileName(pattern, "*.*");
  CFileFind find;
  BOOL more = find.FindFile(pattern);
  while (more) {
    more = find.FindNextFile();
    if (find.IsDirectory() && !find.IsDots()) visit(find.GetFileName(), find.GetFilePath());
  }
}
