// The program's commands. Each returns the exit status: 0 done, 1 refused, cancelled or
// failed; bad usage throws UsageError (exit status 2) before anything is changed.
#pragma once

#include "host/CommandLine.h"

namespace host {

int RunList(const CommandLine& line);
int RunTree(const CommandLine& line);
int RunDemo(const CommandLine& line);
int RunEntry(const CommandLine& line);
// entry --tree: called by RunEntry.
int RunEntryTree(const CommandLine& line);
int RunSetting(const CommandLine& line);
int RunCheck(const CommandLine& line);
int RunTemplateList(const CommandLine& line);
int RunTemplateShow(const CommandLine& line);
int RunLinkBoxShow(const CommandLine& line);
int RunNaming(const CommandLine& line);

}  // namespace host
