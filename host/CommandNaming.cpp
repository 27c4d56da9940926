// drawreg naming [2004|2017] [--yes]: shows or sets the edition of the naming rule by which
// the register composes deliverable file names. Setting another edition changes the name of
// every registered file, so a register that holds records asks for consent first.
#include <iostream>

#include "host/Commands.h"
#include "host/Config.h"
#include "host/LockWait.h"
#include "host/RegisterSession.h"
#include "host/RegisterSettings.h"
#include "host/RegisterView.h"
#include "host/Report.h"
#include "register/CDrawingFolder.h"

namespace host {

namespace {

enum class Holding { none, records, unknown };

// Whether the folder or one below it registers a file. A folder whose records cannot be read
// (locked past the wait, damaged) leaves the answer open.
Holding HoldsRecords(const CEnvironObj& env, CDrawingFolder& folder, LockWait& wait) {
  const Viewing viewing = LoadForViewing(env, folder, wait);
  if (viewing == Viewing::locked || viewing == Viewing::failed) return Holding::unknown;
  if (viewing == Viewing::loaded && folder.GetFileCount() > 0) return Holding::records;
  for (int i = 0; i < folder.GetFolderCount(); ++i) {
    const Holding below = HoldsRecords(env, *folder.GetFolder(i), wait);
    if (below != Holding::none) return below;
  }
  return Holding::none;
}

Holding HoldsRecords(RegisterSession& reg, LockWait& wait) {
  for (int i = 0; i < reg.manager.GetFolderCount(); ++i) {
    const Holding held = HoldsRecords(reg.env, *reg.manager.GetFolder(i), wait);
    if (held != Holding::none) return held;
  }
  return Holding::none;
}

}  // namespace

int RunNaming(const CommandLine& line) {
  RegisterSession reg(ResolvePaths(line.global));
  const NamingEdition current = reg.env.GetNaming();
  if (line.naming.empty() || *ParseNamingEdition(line.naming) == current) {
    std::cout << NamingEditionText(current) << "\n";
    return 0;
  }
  const NamingEdition wanted = *ParseNamingEdition(line.naming);
  LockWait wait(line.wait_seconds);
  const Holding held = HoldsRecords(reg, wait);
  if (held == Holding::unknown) {
    Complain("the edition stays " + std::string(NamingEditionText(current)) +
             ": not every folder's records could be read");
    return 1;
  }
  if (held == Holding::records && !line.yes) {
    Complain("the register holds registered files: every deliverable name changes from the " +
             std::string(NamingEditionText(current)) + " to the " + NamingEditionText(wanted) +
             " order; give --yes to set it");
    return 1;
  }
  const std::string failed = WriteNamingEdition(CDrawingManager::GetRootPath(reg.env), wanted);
  if (!failed.empty()) {
    Complain(failed);
    return 1;
  }
  std::cout << NamingEditionText(wanted) << "\n";
  return 0;
}

}  // namespace host
