// The program's commands. Each returns the exit status: 0 done, 1 refused, cancelled or
// failed, 2 bad usage.
#pragma once

#include "host/Options.h"

namespace host {

int RunList(const CommandLine& line);
int RunTree(const CommandLine& line);
int RunDemo(const CommandLine& line);
int RunEntry(const CommandLine& line);

// Prints a message for the user on standard error, prefixed with the program's name.
void Complain(const std::string& message);

}  // namespace host
