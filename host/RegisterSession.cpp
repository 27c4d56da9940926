#include "host/RegisterSession.h"

#include <cerrno>

#include "framework/FileSystem.h"
#include "host/Config.h"
#include "host/RegisterSettings.h"
#include "host/Report.h"
#include "host/Text.h"

namespace host {

namespace {

// An empty tree from a root that is not there would look like an empty register.
void CheckRoot(const GivenPath& given, const CString& root) {
  CFileStatus status;
  errno = 0;
  if (!afx::GetFileStatus(root, status)) {
    throw UsageError(given.from + ": " + Printable(root) +
                     " is not a drawing root: " + SystemReason(errno ? errno : ENOENT));
  }
  if (!status.m_isDirectory) {
    throw UsageError(given.from + ": " + Printable(root) +
                     " is not a drawing root: not a directory");
  }
  errno = 0;
  if (!afx::ListDirectory(root, [](const afx::DirEntry&) {})) {
    throw UsageError(given.from + ": " + Printable(root) +
                     " is not a drawing root: " + SystemReason(errno ? errno : EIO));
  }
}

}  // namespace

RegisterSession::RegisterSession(const Paths& paths) {
  if (paths.root.empty()) {
    throw UsageError(
        "no drawing root: give --root, set DRAWREG_ROOT or write root = DIR in the config file");
  }
  const CString root = paths.root.Absolute();
  CheckRoot(paths.root, root);
  env.SetPath(CEnvironObj::kDrawingRoot, root);
  env.SetNaming(ReadNamingEdition(root));
  if (!paths.templates.empty()) env.SetPath(CEnvironObj::kTemplateBase, paths.templates.Absolute());
  manager.SetEnvObj(env);
  manager.LoadFolders();
}

}  // namespace host
