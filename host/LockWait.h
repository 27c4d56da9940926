// How long a command keeps trying a folder whose edit lock another user holds. A person would
// retry for a while too: a registration holds the lock only for a moment.
#pragma once

#include <chrono>

namespace host {

class LockWait {
 public:
  explicit LockWait(double seconds) : seconds_(seconds) { Start(); }

  // Starts the time again, for the next file or folder.
  void Start() { started_ = std::chrono::steady_clock::now(); }
  // Whether the time to wait has not run out yet.
  bool StillWaiting() const;
  // Pauses before the next try: briefly, so the lock is taken soon after its holder lets go,
  // and never past the end of the time.
  void Pause() const;
  double Seconds() const { return seconds_; }

 private:
  double Waited() const;

  double seconds_;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace host
