#include "registration/Companions.h"

#include <cerrno>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/sxf/CSxfImageName.h"

namespace registration {

namespace {

// The name as it stands in folder: the same name, or else one that differs only in letter
// case (names match regardless of case, as on the drives Windows users share); name itself
// when neither is there.
CString NameOnDisk(const CEnvironObj& env, const CString& folder, const CString& name) {
  CString path = folder;
  env.AddFileName(path, name);
  if (env.IsExist(path) == 0) return name;
  CString found;
  afx::ListDirectory(folder, [&](const afx::DirEntry& e) {
    if (found.IsEmpty() && !e.isDirectory && e.name.CompareNoCase(name) == 0) found = e.name;
  });
  return found.IsEmpty() ? name : found;
}

}  // namespace

bool IsSxfDrawing(const CEnvironObj& env, const CString& name) {
  const CString ext = env.GetExtNameFromFileName(name);
  return ext.CompareNoCase(".SFC") == 0 || ext.CompareNoCase(".P21") == 0;
}

CString SafName(const CEnvironObj& env, const CString& name) {
  return env.GetBaseNameFromFileName(name) + ".SAF";
}

CStringArray CompanionFiles(const CEnvironObj& env, const CString& src_path) {
  CStringArray rasters;
  if (!IsSxfDrawing(env, env.GetFileNameFromRelativePath(src_path))) return rasters;
  CSxfImageName images;
  images.SetEnvObj(env);
  images.RasterFiles(src_path, rasters);
  return CompanionFiles(env, src_path, rasters);
}

CStringArray CompanionFiles(const CEnvironObj& env, const CString& src_path,
                            const CStringArray& rasters) {
  CStringArray names;
  const CString name = env.GetFileNameFromRelativePath(src_path);
  if (!IsSxfDrawing(env, name)) return names;
  const CString folder = env.GetDirNameFromRelativePath(src_path);
  const CString saf = NameOnDisk(env, folder, SafName(env, name));
  CString saf_path = folder;
  env.AddFileName(saf_path, saf);
  if (env.IsExist(saf_path) == 0) names.Add(saf);
  for (int i = 0; i < rasters.GetSize(); ++i)
    names.Add(NameOnDisk(env, folder, rasters[i]));
  return names;
}

CStringArray BatchCompanions(const CEnvironObj& env, const CStringArray& paths) {
  CStringArray all;
  CSxfImageName images;  // one reader serves the batch
  images.SetEnvObj(env);
  for (int i = 0; i < paths.GetSize(); ++i) {
    if (!IsSxfDrawing(env, env.GetFileNameFromRelativePath(paths[i]))) continue;
    CStringArray rasters;
    images.RasterFiles(paths[i], rasters);
    const CStringArray names = CompanionFiles(env, paths[i], rasters);
    for (int j = 0; j < names.GetSize(); ++j)
      all.Add(names[j]);
  }
  return all;
}

bool CopyCompanions(const CEnvironObj& env, const CString& src_path, const CStringArray& names,
                    const CString& dst_folder, CString& failed, const CopyStep& copy) {
  const CString src_folder = env.GetDirNameFromRelativePath(src_path);
  for (int i = 0; i < names.GetSize(); ++i) {
    CString from = src_folder;
    CString to = dst_folder;
    env.AddFileName(from, names[i]);
    env.AddFileName(to, names[i]);
    // Names come from the drawing's contents: only plain names of its own folder are copied.
    if (!afx::IsPlainFileName(names[i]) || afx::HasControlCharacter(names[i])) {
      failed = to;
      errno = EINVAL;
      return false;
    }
    if (copy ? !copy(from, to) : !CopyFileA(from, to, FALSE)) {
      failed = to;
      return false;
    }
  }
  return true;
}

}  // namespace registration
