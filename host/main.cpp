// drawreg: the host program. Creates the library's objects and calls them as the CAD host
// would, from the command line.
#include <iostream>
#include <string>

#include "host/Commands.h"
#include "host/Options.h"

namespace host {

void Complain(const std::string& message) {
  std::cerr << "drawreg: " << message << "\n";
}

namespace {

const char* const kUsage =
    "usage: drawreg [--root DIR] [--templates DIR] [--ui qt|text] COMMAND [ARGS]\n"
    "\n"
    "Keeps the register of CAD drawing files of electronic deliverables.\n"
    "\n"
    "commands:\n"
    "  demo [DIR]            make a sample drawing root (in DIR or the temporary folder),\n"
    "                        register its drawings and print the register\n"
    "  tree [--files]        the register's folders below the drawing root\n"
    "  list FOLDER [--gui]   the registered files of a folder\n"
    "  entry FILE... --to FOLDER [--life L] [--ref R] [--type CODE] [--page N]\n"
    "        [--rev V] [--yes] [--wait SECONDS] [--catalogue FILE]\n"
    "                        register files into a folder of the register; without a\n"
    "                        display (or with --yes) the options fill the dialog, --yes\n"
    "                        consents to overwriting, a locked folder is retried for\n"
    "                        --wait seconds (10)\n"
    "\n"
    "The drawing root comes from --root, DRAWREG_ROOT or 'root = DIR' in\n"
    "$XDG_CONFIG_HOME/drawreg/config; the template base likewise (--templates,\n"
    "DRAWREG_TEMPLATE_BASE, 'templates = DIR').\n"
    "Exit status: 0 done, 1 refused, cancelled or failed, 2 bad usage.\n";

}  // namespace

}  // namespace host

int main(int argc, char** argv) {
  host::CommandLine line;
  std::string error;
  if (!host::ParseCommandLine(argc, argv, line, error)) {
    host::Complain(error);
    std::cerr << host::kUsage;
    return 2;
  }
  if (line.help || line.command == "help") {
    std::cout << host::kUsage;
    return 0;
  }
  if (line.command == "demo") return host::RunDemo(line);
  if (line.command == "tree") return host::RunTree(line);
  if (line.command == "list") return host::RunList(line);
  if (line.command == "entry") return host::RunEntry(line);
  if (line.command.empty()) {
    std::cerr << host::kUsage;
    return 2;
  }
  host::Complain("unknown command '" + line.command + "'");
  std::cerr << host::kUsage;
  return 2;
}
