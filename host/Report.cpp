#include "host/Report.h"

#include <cstring>
#include <iostream>

#include "host/Text.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"

namespace host {

namespace {

const char* FaultText(afx::FileFault fault) {
  switch (fault) {
    case afx::FileFault::locked:
      return "locked by another user";
    case afx::FileFault::accessDenied:
      return "access denied";
    case afx::FileFault::notRegular:
      return "not a regular file";
    case afx::FileFault::readError:
      return "read error";
    case afx::FileFault::writeError:
      return "write error";
    case afx::FileFault::badName:
      return "a name the register cannot hold (not code page 932, or a control character)";
    case afx::FileFault::none:
      break;
  }
  return "failed";
}

}  // namespace

void Complain(const std::string& message) {
  std::cerr << "drawreg: " << message << "\n";
}

std::string SystemReason(int os_error) {
  return os_error ? std::strerror(os_error) : "";
}

std::string ProblemReason(const afx::FileProblem& problem) {
  std::string reason = FaultText(problem.fault);
  // For a lock the system's reason ("resource temporarily unavailable") says nothing more.
  if (problem.osError && problem.fault != afx::FileFault::locked) {
    reason += ": " + SystemReason(problem.osError);
  }
  return reason;
}

void ReportProblem(const afx::FileProblem& problem) {
  if (!problem) return;
  Complain(Printable(problem.path) + ": " + ProblemReason(problem));
}

std::string LoadNotes(const CEnvironObj& env, const CDrawingFolder& folder) {
  CString info = folder.GetFolderPath(env);
  env.AddFileName(info, CDrawingFolder::kInfoFileName);
  std::string notes;
  const auto& unread = folder.GetUnreadLines();
  if (!unread.empty()) {
    std::string lines;
    for (const int line : unread)
      lines += (lines.empty() ? "" : ", ") + std::to_string(line);
    notes += "drawreg: " + Printable(info) + ": line" + (unread.size() > 1 ? "s " : " ") + lines +
             " could not be read\n";
  }
  if (folder.StaleJournalSetAside()) {
    notes += "drawreg: " + Printable(info) +
             ": the journal of an earlier save did not match the file and was set aside as " +
             CDrawingFolder::kInfoFileName + ".journal.stale\n";
  }
  return notes;
}

void ReportLoadNotes(const CEnvironObj& env, const CDrawingFolder& folder) {
  std::cerr << LoadNotes(env, folder);
}

}  // namespace host
