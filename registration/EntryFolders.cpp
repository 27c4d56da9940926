#include "registration/EntryFolders.h"

#include <algorithm>
#include <cerrno>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/InfoFileName.h"
#include "registration/Messages.h"

namespace registration {

namespace {

// The information file, its journal and a killed copy's leftovers belong to the register the
// tree was copied from, not to its drawings.
bool IsRegisterWorkFile(const CString& name) {
  const CString info(kInfoFileName);
  if (name.CompareNoCase(info) == 0) return true;
  if (name.GetLength() > info.GetLength() &&
      name.Left(info.GetLength() + 1).CompareNoCase(info + ".") == 0) {
    return true;
  }
  return name.Left(static_cast<int>(std::char_traits<char>::length(afx::kCopyTempPrefix))) ==
         afx::kCopyTempPrefix;
}

CString NotFound(const CString& path) {
  return CString("[ ") + path + CString(u8" ]が存在しません。");
}

}  // namespace

EntryFileCollector::EntryFileCollector(const CEnvironObj& env,
                                       TVector<DrawingTreeFileInfo>& entries)
    : env_(env), entries_(entries) {}

int EntryFileCollector::Fail(afx::FileFault fault, int error, const CString& path,
                             const CString& text, CString& errorText) {
  problem_ = {fault, error, path};
  errorText = text;
  return 0;
}

int EntryFileCollector::Collect(const CString& path, CString& errorText) {
  const CString name = env_.GetFileNameFromRelativePath(path);
  if (afx::HasControlCharacter(name)) {
    return Fail(afx::FileFault::badName, EINVAL, path, kBadName, errorText);
  }
  afx::FolderIdentity identity;
  const afx::PathLook look = afx::LookAt(path, true);
  if (look.isDirectory && !afx::GetFolderIdentity(path, identity)) {
    return Fail(afx::FileFault::readError, errno, path, kReadFailed, errorText);
  }
  return Meet(path, look, identity, errorText);
}

int EntryFileCollector::Meet(const CString& path, const afx::PathLook& look,
                             const afx::FolderIdentity& identity, CString& errorText) {
  if (look.error == ENOENT || look.error == ENOTDIR) {
    return Fail(afx::FileFault::readError, look.error, path, NotFound(path), errorText);
  }
  if (look.error != 0)
    return Fail(afx::FileFault::readError, look.error, path, kReadFailed, errorText);
  if (look.isDirectory) {
    if (!seen_.insert(identity).second) return 1;  // walked already: a loop, or named twice
    return Walk(path, errorText);
  }
  if (!look.isRegular) {
    return Fail(afx::FileFault::notRegular, EINVAL, path, kNotRegularFile, errorText);
  }
  if (!files_.insert(path.Bytes()).second) return 1;
  DrawingTreeFileInfo entry;
  entry.srcPath = path;
  entries_.Append(entry);
  return 1;
}

int EntryFileCollector::Walk(const CString& dir, CString& errorText) {
  std::vector<afx::SourceEntry> names;
  if (!afx::ListSourceFolder(dir, names)) {
    return Fail(afx::FileFault::readError, errno, dir, kReadFailed, errorText);
  }
  for (const afx::SourceEntry& e : names) {
    CString path = dir;
    env_.AddFileName(path, e.name);
    if (!e.exactName || afx::HasControlCharacter(e.name)) {
      return Fail(afx::FileFault::badName, e.exactName ? EINVAL : EILSEQ, path, kBadName,
                  errorText);
    }
    if (IsRegisterWorkFile(e.name)) continue;
    if (!Meet(path, e.look, e.identity, errorText)) return 0;
  }
  return 1;
}

int CollectEntryFiles(const CEnvironObj& env, TVector<DrawingTreeFileInfo>& entries,
                      const CString& path, CString& errorText) {
  EntryFileCollector collector(env, entries);
  return collector.Collect(path, errorText);
}

int SaveEntryFolders(const CEnvironObj& env, const TVector<DrawingTreeFileInfo>& entries,
                     std::vector<CDrawingFolder*>* failed) {
  std::vector<CDrawingFolder*> folders;
  folders.reserve(static_cast<size_t>(entries.GetCnt()));
  for (int i = 0; i < entries.GetCnt(); ++i)
    folders.push_back(entries[i].folder);
  std::sort(folders.begin(), folders.end(), std::less<CDrawingFolder*>());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  int result = 1;
  for (CDrawingFolder* folder : folders) {
    if (!folder || folder->SaveFiles(env)) continue;
    result = 0;
    if (failed) failed->push_back(folder);
  }
  return result;
}

}  // namespace registration
