#include "hostlibs/environ/CSelFileList.h"

#include <algorithm>
#include <vector>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"

namespace {

// The extension of a filter "description|.EXT": the text after the last '|', without a
// leading '*' for filters written as "*.EXT".
CString FilterExtension(const CString& filter) {
  CString ext = filter.Mid(filter.ReverseFind('|') + 1);
  if (ext.GetLength() > 0 && ext[0] == '*') ext = ext.Mid(1);
  return ext;
}

}  // namespace

int CSelFileList::AddFileList(const CEnvironObj& env, const CString& dir, const CString& filter,
                              const char* /*title*/, int /*flags*/, FileCallback callback,
                              void* data) {
  const CString ext = FilterExtension(filter);
  std::vector<CString> found;
  const bool listed = afx::ListDirectory(dir, [&](const afx::DirEntry& entry) {
    if (!entry.isDirectory && !entry.isLink &&
        env.GetExtNameFromFileName(entry.name).CompareNoCase(ext) == 0) {
      found.push_back(entry.name);
    }
  });
  if (!listed) return -1;
  // Directory order is arbitrary on Linux; byte order keeps the list repeatable.
  std::sort(found.begin(), found.end(),
            [](const CString& a, const CString& b) { return a.Bytes() < b.Bytes(); });
  int added = 0;
  for (CString& name : found) {
    if (callback && !callback(env, name, dir, data)) continue;
    names_.Add(name);
    ++added;
  }
  return added;
}

CString CSelFileList::GetFileName(int i) const {
  return i >= 0 && i < names_.GetSize() ? names_.GetAt(i) : CString();
}
