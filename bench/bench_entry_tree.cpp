// Registering a folder tree through EntryFiles (walk, lock set, multi-folder dialog, copies
// made durable at once, one save per folder) against `cp -r` of the same tree, on the same
// disk, in the same run: 10,000 files of 64 KiB in 500 folders, at most 20 levels deep, into
// an empty destination. ratio = EntryFiles time / cp -r time; ratio_sync against cp -r and
// `sync -f` (the registration makes its copies durable before any record names them).
// peak_rss_mib is the resident
// memory the registration held at its peak above what the process held before it.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"

namespace {

namespace fs = std::filesystem;

constexpr int kChains = 25;     // top folders, each the head of a chain of folders
constexpr int kDepth = 20;      // folders in a chain, one inside the other
constexpr int kFilesEach = 20;  // files in every folder: 25 * 20 * 20 = 10,000
constexpr size_t kFileSize = 64 << 10;

// Resident memory now, in bytes.
double ResidentBytes() {
  long pages = 0;
  long resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

double PeakResidentBytes() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// The source tree: chain c is T/c00/d01/d02/...; every folder holds files named by the naming
// rule, so that the dialog's check passes for each folder without typing.
void MakeTree(const fs::path& top) {
  const std::string bytes(kFileSize, 'x');
  for (int c = 0; c < kChains; ++c) {
    fs::path folder = top / ("c" + std::to_string(100 + c));
    for (int level = 0; level < kDepth; ++level) {
      if (level > 0) folder /= "d" + std::to_string(100 + level);
      fs::create_directories(folder);
      for (int f = 1; f <= kFilesEach; ++f) {
        char name[16];
        std::snprintf(name, sizeof name, "D0PL%03dZ.dwg", f);
        std::ofstream(folder / name, std::ios::binary).write(bytes.data(), kFileSize);
      }
    }
  }
}

struct TreeScene {
  TreeScene()
      : base(MakeBenchFolder(fs::current_path(), "drawreg-bench-tree")),
        presenter(driver),
        scope(presenter) {
    fs::create_directories(base / "root/F");
    fs::create_directories(base / "by-hand");
    MakeTree(base / "src/T");
    env.SetPath(CEnvironObj::kDrawingRoot, CString((base / "root").c_str()));
    manager.SetEnvObj(env);
    driver.OnDialog(drawreg::IDD_MULTI_FOLDER_SETTING, [](afx::DialogSession& s) { s.PressOK(); });
    driver.OnMessageBox([](const afx::MessageBoxRequest&) { return IDNO; });
  }
  ~TreeScene() { fs::remove_all(base); }

  const fs::path base;
  CEnvironObj env;
  CDrawingManager manager;
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
};

void BM_EntryTreeVsCpR(benchmark::State& state) {
  TreeScene scene;
  CStringArray items;
  items.Add(CString((scene.base / "src/T").c_str()));
  double ours = 0;
  double by_hand = 0;
  double durable = 0;  // cp -r, then its copies written to the disk, as the registration does
  double peak = 0;
  for (auto _ : state) {
    fs::remove_all(scene.base / "by-hand/T");
    fs::remove_all(scene.base / "root/F/T");
    RunProgram({"sync", "-f", scene.base});  // both start with nothing waiting to be written
    const double cp = Seconds([&] {
      RunProgram({"cp", "-r", scene.base / "src/T", scene.base / "by-hand/T"});
    });
    by_hand += cp;
    durable += cp + Seconds([&] { RunProgram({"sync", "-f", scene.base}); });
    scene.manager.LoadFolders();
    const double before = ResidentBytes();
    const double t = Seconds([&] {
      if (!scene.manager.EntryFiles(CString((scene.base / "src").c_str()), items,
                                    CString((scene.base / "root/F").c_str()), &scene.draft,
                                    nullptr)) {
        state.SkipWithError("EntryFiles failed");
      }
    });
    peak = std::max(peak, PeakResidentBytes() - before);
    state.SetIterationTime(t);
    ours += t;
  }
  const double n = static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * kChains * kDepth * kFilesEach *
                          static_cast<int64_t>(kFileSize));
  state.counters["cp_r_ms"] = 1000 * by_hand / n;
  state.counters["cp_r_sync_ms"] = 1000 * durable / n;
  state.counters["ratio"] = ours / by_hand;
  state.counters["ratio_sync"] = ours / durable;
  state.counters["peak_rss_mib"] = peak / (1 << 20);
}
BENCHMARK(BM_EntryTreeVsCpR)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
