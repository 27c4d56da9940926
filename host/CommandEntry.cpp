// drawreg entry FILE... --to FOLDER: registers files into a folder of the register: one file
// through the single setting dialog, several in one batch through the batch grid.
#include <iostream>
#include <vector>

#include "framework/CStringArray.h"
#include "host/CommandFill.h"
#include "host/Commands.h"
#include "host/Config.h"
#include "host/EntryDriver.h"
#include "host/RegisterSession.h"
#include "host/Report.h"
#include "host/Text.h"
#include "host/Ui.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "registration/Companions.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/EntrySteps.h"

namespace host {

namespace {

struct Batch {
  RegisterSession& reg;
  CStdDraftMgr& draft;
  const EntryAnswers& answers;
  std::vector<CString> sources;
  std::vector<CString> names;  // the file name of each source
  CString to;
};

CStringArray Array(const std::vector<CString>& paths) {
  CStringArray array;
  for (const CString& path : paths)
    array.Add(path);
  return array;
}

// The file as a person sees it in the dialog: the fields its name brings, then the presets.
DrawingEntryFileInfo PresetInfo(const Batch& b, size_t i, int index) {
  CDrawingFile probe;
  CDrawingManager::SetInfoFromFileName(b.names[i], probe, b.reg.env, &b.draft);
  DrawingEntryFileInfo info;
  info.fieldNo = probe.GetTypeInfo().fieldNo;
  info.no = probe.GetTypeInfo().no;
  info.code = probe.GetTypeInfo().code;
  info.path = b.sources[i];
  info.life = probe.Life();
  info.arrangement = probe.Arrangement();
  info.page = probe.Page();
  info.history = probe.History();
  info.title = probe.Title();
  Preset(info, b.answers.For(b.names[i], index), b.draft);
  return info;
}

// With a person at the screen the dialog opens with the presets filled in.
int EntryWithPresets(const Batch& b) {
  if (b.sources.size() == 1)
    return b.reg.manager.EntryFile(PresetInfo(b, 0, 0), b.to, &b.draft, nullptr);
  // The .SAF and raster files of an SXF drawing of the batch travel with it rather than being
  // drawings of their own, as with a batch of paths.
  const CStringArray companions = registration::BatchCompanions(b.reg.env, Array(b.sources));
  std::vector<DrawingEntryFileInfo> infos;
  for (size_t i = 0; i < b.sources.size(); ++i) {
    if (registration::FindFileName(companions, b.reg.env, b.sources[i]) < 0)
      infos.push_back(PresetInfo(b, i, static_cast<int>(infos.size())));
  }
  return b.reg.manager.EntryFiles(static_cast<int>(infos.size()), infos.data(), b.to, &b.draft,
                                  nullptr);
}

int Entry(const Batch& b) {
  if (b.sources.size() == 1) return b.reg.manager.EntryFile(b.sources[0], b.to, &b.draft, nullptr);
  return b.reg.manager.EntryFiles(Array(b.sources), b.to, &b.draft, nullptr);
}

}  // namespace

int RunEntry(const CommandLine& line) {
  if (!line.tree.empty()) return RunEntryTree(line);
  if (line.sources.empty()) throw UsageError("entry: give the FILEs to register, or --tree SRC");
  // Everything given is checked before the first file is registered.
  CStdDraftMgr draft;
  LoadCatalogue(draft, line.catalogue);
  const std::vector<CString> sources = SourcePaths(line);
  const CString to = ToCodePage(AbsolutePath(line.to), "--to");
  RegisterSession reg(ResolvePaths(line.global));
  const std::optional<Sheet> sheet =
      ReadSheet(line, draft, reg.env.GetNaming(), FileNames(sources));
  const EntryAnswers answers = AnswersFrom(line, draft, sheet ? &*sheet : nullptr);
  if (!SourcesAreFiles(sources)) return 1;
  EntryDriver driver(answers, draft);
  UiSession ui(line.global.ui, line.yes, &driver);
  const Batch batch{reg, draft, answers, sources, FileNames(sources), to};
  driver.StartFile();
  const int done = ui.Interactive() && Presets(answers) ? EntryWithPresets(batch) : Entry(batch);
  for (const std::string& file : line.sources)
    std::cout << (done ? "registered " : "not registered ") << Printable(file) << "\n";
  if (!done) ReportProblem(reg.manager.GetLastProblem());
  if (const CDrawingFolder* folder = reg.manager.FindFolder(to)) ReportLoadNotes(reg.env, *folder);
  return done ? 0 : 1;
}

}  // namespace host
