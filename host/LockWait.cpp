#include "host/LockWait.h"

#include <algorithm>
#include <thread>

namespace host {

namespace {

constexpr double kPauseSeconds = 0.1;

}  // namespace

double LockWait::Waited() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

bool LockWait::StillWaiting() const {
  return Waited() < seconds_;
}

void LockWait::Pause() const {
  const double left = std::max(0.0, seconds_ - Waited());
  std::this_thread::sleep_for(std::chrono::duration<double>(std::min(kPauseSeconds, left)));
}

}  // namespace host
