// drawreg: the host program. Creates the library's objects and calls them as the CAD host
// would, from the command line.
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>

#include "framework/Exceptions.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/Report.h"
#include "host/Text.h"
#include "host/Ui.h"

namespace host {

namespace {

int Run(const CommandLine& line) {
  CheckUiChoice(line);
  switch (line.command) {
    case Command::demo:
      return RunDemo(line);
    case Command::tree:
      return RunTree(line);
    case Command::list:
      return RunList(line);
    case Command::entry:
      return RunEntry(line);
    case Command::setting:
      return RunSetting(line);
    case Command::check:
      return RunCheck(line);
    case Command::template_list:
      return RunTemplateList(line);
    case Command::template_show:
      return RunTemplateShow(line);
    case Command::linkbox_show:
      return RunLinkBoxShow(line);
    case Command::naming:
      return RunNaming(line);
  }
  return 2;
}

// Output that did not reach its file (a full disk, a closed pipe) is a failure too.
int Finished(int status) {
  if (!std::cout.flush()) {
    Complain("the output could not be written");
    return status ? status : 1;
  }
  return status;
}

}  // namespace

}  // namespace host

int main(int argc, char** argv) {
  // A file size limit must fail a save with a write error, which the library reports and
  // recovers from, instead of killing the program in the middle of the save.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    host::CommandLine line;
    if (const int status = host::ParseCommandLine(argc, argv, line); status >= 0) return status;
    return host::Finished(host::Run(line));
  } catch (const host::UsageError& e) {
    host::Complain(e.what());
    return 2;
  } catch (const std::bad_alloc&) {
    host::Complain("out of memory");
  } catch (const CMemoryException&) {
    host::Complain("out of memory");
  } catch (const CFileException& e) {
    // The exception's message is the system's reason.
    host::Complain(host::Printable(e.m_strFileName) + ": " + host::Printable(e.GetMessage()));
  } catch (const CException& e) {
    host::Complain(host::Printable(e.GetMessage()));
  } catch (const std::exception& e) {
    host::Complain(host::Printable(std::string(e.what())));
  }
  return 1;
}
