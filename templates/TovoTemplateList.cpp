#include "templates/TovoTemplateList.h"

#include "hostlibs/environ/CSelFileList.h"

CString TovoTemplateList::TemplateFolder() const {
  CString folder = env_->GetPath(CEnvironObj::kTemplateBase);
  env_->AddFileName(folder, "TOVO");
  env_->AddFileName(folder, "TEMPLATE");
  return folder;
}

int TovoTemplateList::LoadList() {
  Clear();
  if (!env_) return 0;
  const CString folder = TemplateFolder();
  if (env_->IsExist(folder) <= 0) return 0;
  // Only the extension after the bar selects files; the label is for the host's dialogs.
  // User templates are listed first, then the standard ones.
  CSelFileList files;
  files.AddFileList(*env_, folder, u8"ﾕｰｻﾞｰﾌｧｲﾙ|.TFT", nullptr, 0, nullptr, nullptr);
  files.AddFileList(*env_, folder, u8"標準ﾌｧｲﾙ|.@FT", nullptr, 0, nullptr, nullptr);
  for (int i = 0; i < files.GetCnt(); ++i) {
    CString path = folder;
    env_->AddFileName(path, files.GetFileName(i));
    paths_.Add(path);
  }
  return GetCnt();
}

CString TovoTemplateList::GetPathName(int i) {
  if (i < 0 || i >= GetCnt()) throw CInvalidArgException();
  return paths_[i];
}

CString TovoTemplateList::GetFileName(int i) {
  const CString path = GetPathName(i);
  return path.IsEmpty() ? CString() : env_->GetFileNameFromRelativePath(path);
}

CString TovoTemplateList::GetDispName(int i) {
  const CString name = GetFileName(i);
  return name.IsEmpty() ? CString() : env_->GetBaseNameFromFileName(name);
}
