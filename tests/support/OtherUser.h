// Another user of the register, in a process of its own: holds a folder's edit lock until let
// go, or tells whether it could take one now.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "register/CDrawingManager.h"

// Whether another process could take the lock of the register folder at folder_path now.
inline bool LockableElsewhere(const CEnvironObj& env, const CString& folder_path) {
  const pid_t pid = fork();
  if (pid == 0) {
    CDrawingManager other;
    other.SetEnvObj(env);
    other.LoadFolders();
    CDrawingFolder* folder = other.FindFolder(folder_path);
    _exit(folder && folder->LockFolder(env) ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Holds the lock of the folder at folder_path in a child process until LetGo or the object goes.
class OtherUser {
 public:
  OtherUser(const CEnvironObj& env, const CString& folder_path) {
    int ready[2];
    // Programs the test starts meanwhile must not keep the release end open.
    if (pipe(ready) != 0 || pipe2(release_, O_CLOEXEC) != 0) std::abort();
    pid_ = fork();
    if (pid_ == 0) {
      close(release_[1]);
      CDrawingManager other;
      other.SetEnvObj(env);
      other.LoadFolders();
      CDrawingFolder* folder = other.FindFolder(folder_path);
      const char ok = folder && folder->LockFolder(env) ? 'y' : 'n';
      char done;
      if (write(ready[1], &ok, 1) != 1 || read(release_[0], &done, 1) < 0) _exit(1);
      _exit(0);  // the read returns once every copy of the other end is closed
    }
    close(ready[1]);
    close(release_[0]);
    char ok = 'n';
    locked_ = read(ready[0], &ok, 1) == 1 && ok == 'y';
    close(ready[0]);
  }
  OtherUser(const OtherUser&) = delete;
  OtherUser& operator=(const OtherUser&) = delete;
  ~OtherUser() { LetGo(); }

  bool Locked() const { return locked_; }
  // In a process forked meanwhile: drops its copy of the release end, which would keep the lock.
  void Disown() { close(release_[1]); }
  void LetGo() {
    if (pid_ <= 0) return;
    close(release_[1]);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  int release_[2] = {-1, -1};
  pid_t pid_ = -1;
  bool locked_ = false;
};
