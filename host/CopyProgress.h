// CopyProgress: the line on standard error that tells a person at a terminal how far a tree
// registration has copied ("copied 120/480 files, 3/12 folders"). Nothing is printed when
// standard error is not a terminal: a log or a script wants the result, not the way there.
#pragma once

#include <chrono>

#include "register/EntryProgress.h"

namespace host {

class CopyProgress {
 public:
  // Prints only when standard error is a terminal.
  CopyProgress();
  CopyProgress(const CopyProgress&) = delete;
  CopyProgress& operator=(const CopyProgress&) = delete;
  // Ends the line when one was started.
  ~CopyProgress();

  // What the registration calls after each file; null when nothing is to be printed.
  EntryProgressReport Report();

 private:
  void Show(const EntryProgress& progress);

  bool terminal_ = false;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_;
};

}  // namespace host
