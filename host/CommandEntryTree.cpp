// drawreg entry --tree SRC [ITEM...] --to FOLDER: registers a folder tree below a folder of
// the register, every file at the same place below FOLDER as below SRC, through the
// multi-folder setting dialog.
#include <iostream>
#include <map>
#include <vector>

#include "framework/CStringArray.h"
#include "host/CommandFill.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/CopyProgress.h"
#include "host/EntryDriver.h"
#include "host/RegisterSession.h"
#include "host/Report.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "registration/EntryFolders.h"
#include "registration/TreePaths.h"

namespace host {

namespace {

// The items, absolute, in code page 932: a relative ITEM lies in SRC. No item is SRC itself.
CStringArray Items(const CommandLine& line, const CString& src) {
  CStringArray items;
  for (const std::string& item : line.sources) {
    const std::string path =
        AbsolutePath(item.empty() || item[0] == '/' ? item : line.tree + "/" + item);
    items.Add(ToCodePage(path, "ITEM"));
  }
  if (items.GetSize() == 0) items.Add(src);
  return items;
}

// The files the registration will meet, by their paths relative to SRC, walked as it walks
// them: for checking the sheet and the numbering before anything is locked. Empty when the
// walk fails; the registration then tells why.
std::vector<CString> TreeFiles(const CEnvironObj& env, const CString& src,
                               const CStringArray& items) {
  TVector<DrawingTreeFileInfo> entries;
  registration::EntryFileCollector collector(env, entries);
  std::vector<CString> files;
  for (int i = 0; i < items.GetSize(); ++i) {
    CString ignored;
    if (!collector.Collect(items[i], ignored)) return files;
  }
  for (int i = 0; i < entries.GetCnt(); ++i)
    files.push_back(registration::RelativePath(src, entries[i].srcPath));
  return files;
}

// The most files one folder's grid can hold.
size_t MostInOneFolder(const std::vector<CString>& files) {
  std::map<std::string, size_t> count;
  size_t most = 0;
  for (const CString& path : files) {
    const int cut = path.ReverseFind('/');
    most = std::max(most, ++count[cut < 0 ? std::string() : path.Left(cut).Bytes()]);
  }
  return most;
}

bool AnyDirectlyInTop(const std::vector<CString>& files) {
  for (const CString& path : files)
    if (path.Find('/') < 0) return true;
  return false;
}

}  // namespace

int RunEntryTree(const CommandLine& line) {
  // Everything given is checked before anything is locked.
  CStdDraftMgr draft;
  LoadCatalogue(draft, line.catalogue);
  const CString src =
      registration::WithoutTrailingSeparator(ToCodePage(AbsolutePath(line.tree), "--tree"));
  const CStringArray items = Items(line, src);
  const CString to = ToCodePage(AbsolutePath(line.to), "--to");
  RegisterSession reg(ResolvePaths(line.global));
  const std::vector<CString> files = TreeFiles(reg.env, src, items);
  const std::optional<Sheet> sheet = ReadSheet(line, draft, reg.env.GetNaming(), files);
  const EntryAnswers answers = AnswersFrom(line, draft, sheet ? &*sheet : nullptr,
                                           std::max<size_t>(1, MostInOneFolder(files)));
  EntryDriver driver(answers, draft);
  driver.SetTreeTop(AnyDirectlyInTop(files));
  UiSession ui(line.global.ui, line.yes, &driver);
  if (ui.Interactive() && Presets(answers))
    Complain(
        "the folders' grids open as the file names fill them; the options fill them only without a "
        "display");
  CopyProgress progress;
  reg.manager.SetEntryProgress(progress.Report());
  driver.StartFile();
  const int done = reg.manager.EntryFiles(src, items, to, &draft, nullptr);
  reg.manager.SetEntryProgress(nullptr);
  for (int i = 0; i < items.GetSize(); ++i)
    std::cout << (done ? "registered " : "not registered ") << Printable(items[i]) << "\n";
  if (!done) ReportProblem(reg.manager.GetLastProblem());
  return done ? 0 : 1;
}

}  // namespace host
