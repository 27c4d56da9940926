#include "registration/RegistrationLock.h"

#include "framework/ui/CWnd.h"
#include "register/CDrawingFolder.h"
#include "registration/Messages.h"

bool AcquireFolderLock(CDrawingFolder& folder, const CEnvironObj& env, CWnd* parent) {
  while (!folder.LockFolder(env)) {
    // Only a lock held by another user passes with time; every other cause is told as it is.
    const afx::FileFault fault = folder.GetLastProblem().fault;
    if (fault != afx::FileFault::locked) {
      registration::ShowError(parent, registration::MessageFor(fault), registration::kFileCaption);
      return false;
    }
    if (registration::Ask(parent, registration::kLockedByOther, registration::kLockCaption) !=
        IDYES) {
      return false;
    }
  }
  return true;
}

RegistrationLock::RegistrationLock(CDrawingFolder& folder, const CEnvironObj& env, CWnd* parent)
    : folder_(folder) {
  if (folder.IsLockFolder()) {
    held_ = true;
    return;
  }
  if (!AcquireFolderLock(folder, env, parent)) return;
  held_ = taken_here_ = true;
}

RegistrationLock::~RegistrationLock() {
  if (taken_here_) folder_.UnLockFolder();
}
