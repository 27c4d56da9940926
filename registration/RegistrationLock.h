// RegistrationLock: a registration's hold on its destination folder's edit lock. It takes the
// lock, asking the user whether to retry while another user holds it, and releases it on the
// way out only if it took it: a folder the caller had locked stays locked.
#pragma once

class CDrawingFolder;
class CEnvironObj;
class CWnd;

// Takes the folder's edit lock, asking the user whether to retry while another user holds it;
// any other cause is shown as it is. false when the lock was not taken. The caller releases it.
bool AcquireFolderLock(CDrawingFolder& folder, const CEnvironObj& env, CWnd* parent);

class RegistrationLock {
 public:
  RegistrationLock(CDrawingFolder& folder, const CEnvironObj& env, CWnd* parent);
  RegistrationLock(const RegistrationLock&) = delete;
  RegistrationLock& operator=(const RegistrationLock&) = delete;
  ~RegistrationLock();

  // False when the user gave up waiting for another user.
  bool Held() const { return held_; }

 private:
  CDrawingFolder& folder_;
  bool held_ = false;
  bool taken_here_ = false;
};
