// Registering through EntryFile (lock, dialog, companion scan, copy, crash-safe save of the
// information file) against what a user would do by hand, on the same disk, in the same run:
//  - a 256 MiB SXF drawing against `cp` of the same file, and against `cp` and `sync -f`
//    (the registration makes its copy durable before a record names it);
//  - a 1 MiB drawing into a folder of 1,000 records against `cp` and `sync -f` of its folder;
//  - a batch of 1,000 drawings of 1 MiB through EntryFiles (grid confirmed as it opens)
//    against one `cp` of the same files into an empty folder, and against `cp` and `sync -f`;
//    the three take turns at going first, since what follows a large write meets the disk
//    still busy with it.
// Programs of the baseline are started without a shell. ratio = EntryFile time / baseline.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "dialogs/DialogResources.h"
#include "framework/CStringArray.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"

namespace {

namespace fs = std::filesystem;

// A register with one folder "F" and a source folder beside the build (the disk the register
// would be on), with a driver that confirms every dialog.
struct Scene {
  Scene()
      : base(MakeBenchFolder(fs::current_path(), "drawreg-bench-entry")),
        presenter(driver),
        scope(presenter) {
    fs::create_directories(base / "root/F");
    fs::create_directories(base / "src");
    fs::create_directories(base / "by-hand");
    env.SetPath(CEnvironObj::kDrawingRoot, CString((base / "root").c_str()));
    manager.SetEnvObj(env);
    manager.LoadFolders();
    driver.OnDialog(drawreg::IDD_SINGLE_SETTING, [](afx::DialogSession& s) { s.PressOK(); });
    driver.OnDialog(drawreg::IDD_MULTI_SETTING, [](afx::DialogSession& s) { s.PressOK(); });
    driver.OnMessageBox([](const afx::MessageBoxRequest&) { return IDYES; });
  }
  ~Scene() { fs::remove_all(base); }
  // Registers source into F and returns the seconds it took.
  double Register(benchmark::State& state, const fs::path& source) {
    const double t = Seconds([&] {
      if (!manager.EntryFile(CString(source.c_str()), CString((base / "root/F").c_str()), &draft,
                             nullptr)) {
        state.SkipWithError("EntryFile failed");
      }
    });
    state.SetIterationTime(t);
    return t;
  }

  const fs::path base;
  CEnvironObj env;
  CDrawingManager manager;
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
};

void BM_EntryFileVsCp(benchmark::State& state) {
  Scene scene;
  const fs::path drawing = scene.base / "src/D0PL001Z.P21";
  {
    std::ofstream out(drawing, std::ios::binary);
    out << "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n";
    std::string block(1 << 20, '0');
    for (int i = 0; i < 256; ++i)
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out << "ENDSEC;\nEND-ISO-10303-21;\n";
  }
  double ours = 0;
  double by_hand = 0;
  double durable = 0;  // what the registration also does: the copy made durable
  for (auto _ : state) {
    by_hand += Seconds([&] { RunProgram({"cp", drawing, scene.base / "by-hand/copy.P21"}); });
    durable += Seconds([&] {
      RunProgram({"cp", drawing, scene.base / "by-hand/synced.P21"});
      RunProgram({"sync", "-f", scene.base / "by-hand"});
    });
    ours += scene.Register(state, drawing);
  }
  const double n = static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * (256LL << 20));
  state.counters["cp_ms"] = 1000 * by_hand / n;
  state.counters["cp_sync_ms"] = 1000 * durable / n;
  state.counters["ratio"] = ours / by_hand;
  state.counters["ratio_sync"] = ours / durable;
}
BENCHMARK(BM_EntryFileVsCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EntryIntoAThousandRecordsVsCpAndSync(benchmark::State& state) {
  Scene scene;
  CDrawingFolder& folder = *scene.manager.FindFolder(CString((scene.base / "root/F").c_str()));
  for (int i = 0; i < 1000; ++i) {
    const std::string name = "D0PL" + std::to_string(1000 + i) + ".dwg";
    std::ofstream(scene.base / "root/F" / name);
    CDrawingFile record;
    record.Name(CString(name.c_str()));
    folder.AddFile(record);
  }
  folder.SaveFiles(scene.env);
  const fs::path drawing = scene.base / "src/plan.dwg";
  std::ofstream(drawing, std::ios::binary) << std::string(1 << 20, 'x');
  double ours = 0;
  double by_hand = 0;
  int round = 0;
  for (auto _ : state) {
    // A new name each round (one the naming rule fills the dialog from): a new record, as a
    // user registers a new drawing.
    const std::string name = "D0PL" + std::to_string(100 + round++) + "Z.dwg";
    by_hand += Seconds([&] {
      RunProgram({"cp", drawing, scene.base / "by-hand" / name});
      RunProgram({"sync", "-f", scene.base / "by-hand"});
    });
    fs::copy_file(drawing, scene.base / "src" / name);
    ours += scene.Register(state, scene.base / "src" / name);
  }
  state.counters["by_hand_ms"] = 1000 * by_hand / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / by_hand;
}
BENCHMARK(BM_EntryIntoAThousandRecordsVsCpAndSync)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// 1,000 drawings of 1 MiB, each with a name the naming rule fills the grid from.
std::vector<std::string> MakeBatch(const fs::path& folder) {
  fs::create_directories(folder);
  const std::string bytes(1 << 20, 'x');
  std::vector<std::string> paths;
  for (int i = 0; i < 1000; ++i) {
    char name[32];
    snprintf(name, sizeof name, "D%cPL%03dZ.dwg", '0' + i / 500, i % 500 + 1);
    paths.push_back((folder / name).string());
    std::ofstream(paths.back(), std::ios::binary) << bytes;
  }
  return paths;
}

void BM_EntryFilesOfAThousandVsCp(benchmark::State& state) {
  Scene scene;
  const std::vector<std::string> batch = MakeBatch(scene.base / "src/batch");
  CStringArray sources;
  for (const std::string& path : batch)
    sources.Add(CString(path.c_str()));
  const auto cp_into = [&](const fs::path& folder) {
    std::vector<std::string> args = {"cp"};
    args.insert(args.end(), batch.begin(), batch.end());
    args.push_back(folder.string());
    RunProgram(args);
  };
  double ours = 0;
  double by_hand = 0;
  double durable = 0;
  int round = 0;
  for (auto _ : state) {
    const fs::path hand = scene.base / "by-hand" / std::to_string(round);
    const fs::path synced = scene.base / "by-hand" / ("synced" + std::to_string(round));
    const fs::path folder = scene.base / "root" / ("B" + std::to_string(round));
    fs::create_directories(hand);
    fs::create_directories(synced);
    fs::create_directories(folder);
    scene.manager.LoadFolders();
    // Each takes each place in the round in turn.
    const std::vector<std::function<void()>> runs = {
        [&] {
          const double t = Seconds([&] {
            if (!scene.manager.EntryFiles(sources, CString(folder.c_str()), &scene.draft,
                                          nullptr)) {
              state.SkipWithError("EntryFiles failed");
            }
          });
          state.SetIterationTime(t);
          ours += t;
        },
        [&] { by_hand += Seconds([&] { cp_into(hand); }); },
        [&] {
          durable += Seconds([&] {
            cp_into(synced);
            RunProgram({"sync", "-f", synced.string()});
          });
        },
    };
    for (size_t i = 0; i < runs.size(); ++i)
      runs[(i + static_cast<size_t>(round)) % runs.size()]();
    fs::remove_all(hand);
    fs::remove_all(synced);
    fs::remove_all(folder);
    RunProgram({"sync", "-f", scene.base.string()});  // the next round starts from a clean disk
    ++round;
  }
  const double n = static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * (1000LL << 20));
  state.counters["cp_ms"] = 1000 * by_hand / n;
  state.counters["cp_sync_ms"] = 1000 * durable / n;
  state.counters["ratio"] = ours / by_hand;
  state.counters["ratio_sync"] = ours / durable;
}
BENCHMARK(BM_EntryFilesOfAThousandVsCp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6);

}  // namespace
