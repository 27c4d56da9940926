// drawreg setting FILE...: changes the name fields of registered files of one folder: one
// file through the single setting dialog, several through the batch grid. The files on disk
// stay as they are; their records, and so their deliverable names, change.
#include <iostream>
#include <vector>

#include "framework/CStringArray.h"
#include "host/CommandFill.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/LockWait.h"
#include "host/RegisterSession.h"
#include "host/RegisterView.h"
#include "host/Report.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"

namespace host {

namespace {

// The one folder the files lie in; files of several folders are bad usage.
CString FolderOf(const std::vector<CString>& paths) {
  const CString folder = paths[0].Left(paths[0].ReverseFind('/'));
  for (const CString& path : paths) {
    if (path.Left(path.ReverseFind('/')) != folder) {
      throw UsageError("FILE: " + Printable(path) + " is not in " + Printable(folder) +
                       ": the files must all lie in one folder");
    }
  }
  return folder;
}

// The folder's edit lock as this command holds it, let go on every way out.
class HeldFolder {
 public:
  explicit HeldFolder(CDrawingFolder& folder) : folder_(folder) {}
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;
  ~HeldFolder() {
    if (folder_.IsLockFolder()) folder_.UnLockFolder();
  }

 private:
  CDrawingFolder& folder_;
};

// The records of the files, or an empty list after naming a file that is not registered.
std::vector<CDrawingFile*> Records(RegisterSession& reg, const std::vector<CString>& paths) {
  std::vector<CDrawingFile*> records;
  for (const CString& path : paths) {
    CDrawingFile* record = reg.manager.FindFile(path);
    if (!record) {
      Complain(Printable(path) + ": not registered in its folder");
      return {};
    }
    records.push_back(record);
  }
  return records;
}

int Setting(RegisterSession& reg, CStdDraftMgr& draft, const std::vector<CString>& paths) {
  if (paths.size() == 1) return reg.manager.SettingFile(paths[0], &draft, nullptr);
  CStringArray array;
  for (const CString& path : paths)
    array.Add(path);
  return reg.manager.SettingFiles(array, &draft, nullptr);
}

}  // namespace

int RunSetting(const CommandLine& line) {
  // Everything given is checked before the folder is locked.
  CStdDraftMgr draft;
  LoadCatalogue(draft, line.catalogue);
  const std::vector<CString> paths = SourcePaths(line);
  const std::vector<CString> names = FileNames(paths);
  const CString folder_path = FolderOf(paths);
  RegisterSession reg(ResolvePaths(line.global));
  const std::optional<Sheet> sheet = ReadSheet(line, draft, reg.env.GetNaming(), names);
  const EntryAnswers answers = AnswersFrom(line, draft, sheet ? &*sheet : nullptr);
  if (!SourcesAreFiles(paths)) return 1;
  CDrawingFolder* folder = reg.manager.FindFolder(folder_path);
  if (!folder) {
    Complain(Printable(folder_path) + " is not a folder of the register");
    return 1;
  }
  // The library edits the records as this process last loaded them and does not read them
  // again under the lock, so a change another user saved since would be overwritten. The
  // folder is therefore locked first, as a person's session would, and its records are loaded
  // under the lock; the library leaves a folder this process locked locked, and it is let go
  // here at the end.
  HeldFolder held(*folder);
  LockWait wait(line.wait_seconds);
  const Viewing loaded = LoadForViewing(reg.env, *folder, wait, true);
  if (loaded == Viewing::nothing) Complain(Printable(folder_path) + ": nothing is registered");
  if (loaded != Viewing::loaded) return 1;
  const std::vector<CDrawingFile*> records = Records(reg, paths);
  if (records.empty()) return 1;
  EntryDriver driver(answers, draft);
  UiSession ui(line.global.ui, line.yes, &driver);
  if (ui.Interactive()) {
    // Presets for the person to confirm; nothing is saved unless the dialog is confirmed.
    for (size_t i = 0; i < records.size(); ++i)
      Preset(*records[i], answers.For(names[i], static_cast<int>(i)), draft);
  }
  driver.StartFile();
  const int done = Setting(reg, draft, paths);
  // A save that failed leaves its cause with the folder; a load under the lock cleared it.
  const bool saved = done && !folder->GetLastProblem();
  for (size_t i = 0; i < records.size(); ++i) {
    std::cout << (saved ? "set " + Printable(names[i]) + " -> " + Printable(records[i]->Name(0))
                        : "not set " + Printable(names[i]))
              << "\n";
  }
  ReportProblem(folder->GetLastProblem());
  return saved ? 0 : 1;
}

}  // namespace host
