// What the program tells the user on standard error: its own complaints, and after a failed
// operation the file, what went wrong with it and the system's reason, so that the user can
// act on the cause (free space, permissions, a file that is not a plain file).
#pragma once

#include <string>

#include "framework/FileProblem.h"

class CDrawingFolder;
class CEnvironObj;

namespace host {

// Prints a message for the user on standard error, prefixed with the program's name. The
// message must already be printable (see Text.h).
void Complain(const std::string& message);

// The system's reason for an errno value; "" for 0.
std::string SystemReason(int os_error);

// "what went wrong: the system's reason", without the path.
std::string ProblemReason(const afx::FileProblem& problem);
// Prints "drawreg: PATH: what went wrong: the system's reason"; nothing when there is no
// problem.
void ReportProblem(const afx::FileProblem& problem);

// After a load of the folder's records: the information file's lines that could not be read,
// and a journal of an interrupted save that did not belong to the file and was set aside.
// LoadNotes gives the messages, one a line; ReportLoadNotes prints them.
std::string LoadNotes(const CEnvironObj& env, const CDrawingFolder& folder);
void ReportLoadNotes(const CEnvironObj& env, const CDrawingFolder& folder);

}  // namespace host
