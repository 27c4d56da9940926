// EntryDriver: answers the registration's dialogs and questions for a person who is not
// there: fills the setting dialog from the command's options (or leaves what the file name
// gave), presses OK, consents to overwriting only when told to, retries a locked folder for a
// while, and prints every message box it answers. Like a person it takes a moment before each
// answer, which also gives the other user time to finish.
#pragma once

#include <optional>

#include "framework/ui/MemoryPresenter.h"
#include "host/LockWait.h"

class CStdDraftMgr;

namespace host {

struct EntryAnswers {
  // Field values in code page 932, already checked as the record keeps them.
  std::optional<CString> life, ref, type, page, rev;
  bool yes = false;          // consent to overwriting
  double wait_seconds = 10;  // how long to retry a locked folder
  int think_ms = 50;         // the moment before each answer
};

class EntryDriver : public afx::DialogDriver {
 public:
  EntryDriver(const EntryAnswers& answers, CStdDraftMgr& draft);

  // Starts a new registration: the lock retry time counts from here.
  void StartFile();
  void Drive(afx::DialogSession& session) override;
  int Answer(const afx::MessageBoxRequest& request) override;

 private:
  void FillSetting(afx::DialogSession& session);
  void ChooseType(afx::DialogSession& session);
  void Think() const;

  EntryAnswers answers_;
  CStdDraftMgr& draft_;
  LockWait wait_;
  CString last_question_;
};

}  // namespace host
