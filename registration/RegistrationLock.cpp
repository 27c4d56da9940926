#include "registration/RegistrationLock.h"

#include "framework/ui/CWnd.h"
#include "register/CDrawingFolder.h"
#include "registration/Messages.h"

RegistrationLock::RegistrationLock(CDrawingFolder& folder, const CEnvironObj& env, CWnd* parent)
    : folder_(folder) {
  if (folder.IsLockFolder()) {
    held_ = true;
    return;
  }
  while (!folder.LockFolder(env)) {
    if (registration::Ask(parent, registration::kLockedByOther, registration::kLockCaption) !=
        IDYES) {
      return;
    }
  }
  held_ = taken_here_ = true;
}

RegistrationLock::~RegistrationLock() {
  if (taken_here_) folder_.UnLockFolder();
}
