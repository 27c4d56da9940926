// Registering through EntryFile (lock, dialog, companion scan, copy, crash-safe save of the
// information file) against what a user would do by hand, on the same disk, in the same run:
//  - a 256 MiB SXF drawing against `cp` of the same file;
//  - a 1 MiB drawing into a folder of 1,000 records against `cp` and `sync -f` of its folder.
// ratio = EntryFile time / the baseline's time.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include "bench/BenchTiming.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingManager.h"

namespace {

namespace fs = std::filesystem;

void BM_EntryFileVsCp(benchmark::State& state) {
  // Beside the build, not in /tmp: the same disk the register would be on.
  std::string pattern = (fs::current_path() / "drawreg-bench-entry-XXXXXX").string();
  const fs::path base = ::mkdtemp(pattern.data());
  fs::create_directories(base / "root/F");
  fs::create_directories(base / "src");
  const fs::path drawing = base / "src/D0PL001Z.P21";
  {
    std::ofstream out(drawing, std::ios::binary);
    out << "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n";
    std::string block(1 << 20, '0');
    for (int i = 0; i < 256; ++i)
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out << "ENDSEC;\nEND-ISO-10303-21;\n";
  }
  CEnvironObj env;
  env.SetPath(CEnvironObj::kDrawingRoot, CString((base / "root").c_str()));
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  driver.OnDialog(drawreg::IDD_SINGLE_SETTING, [](afx::DialogSession& s) { s.PressOK(); });
  driver.OnMessageBox([](const afx::MessageBoxRequest&) { return IDYES; });
  afx::MemoryPresenter presenter(driver);
  afx::ScopedPresenter scope(presenter);
  const std::string cp = "cp " + drawing.string() + " " + (base / "cp-copy.P21").string();
  double ours = 0;
  double base_time = 0;
  for (auto _ : state) {
    base_time += Seconds([&] { benchmark::DoNotOptimize(std::system(cp.c_str())); });
    const double t = Seconds([&] {
      if (!manager.EntryFile(CString(drawing.c_str()), CString((base / "root/F").c_str()), &draft,
                             nullptr)) {
        state.SkipWithError("EntryFile failed");
      }
    });
    ours += t;
    state.SetIterationTime(t);
  }
  state.SetBytesProcessed(state.iterations() * (256LL << 20));
  state.counters["cp_ms"] = 1000 * base_time / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base_time;
  fs::remove_all(base);
}
BENCHMARK(BM_EntryFileVsCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Runs a program with its arguments, without a shell in between, and waits for it.
void Run(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
    waitpid(pid, nullptr, 0);
  }
}

void BM_EntryIntoAThousandRecordsVsCpAndSync(benchmark::State& state) {
  std::string pattern = (fs::current_path() / "drawreg-bench-entry-XXXXXX").string();
  const fs::path base = ::mkdtemp(pattern.data());
  fs::create_directories(base / "root/F");
  fs::create_directories(base / "src");
  fs::create_directories(base / "by-hand");
  CEnvironObj env;
  env.SetPath(CEnvironObj::kDrawingRoot, CString((base / "root").c_str()));
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  CDrawingFolder& folder = *manager.FindFolder(CString((base / "root/F").c_str()));
  for (int i = 0; i < 1000; ++i) {
    const std::string name = "D0PL" + std::to_string(1000 + i) + ".dwg";
    std::ofstream(base / "root/F" / name);
    CDrawingFile record;
    record.Name(CString(name.c_str()));
    folder.AddFile(record);
  }
  folder.SaveFiles(env);
  const fs::path drawing = base / "src/plan.dwg";
  std::ofstream(drawing, std::ios::binary) << std::string(1 << 20, 'x');
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  driver.OnDialog(drawreg::IDD_SINGLE_SETTING, [](afx::DialogSession& s) { s.PressOK(); });
  driver.OnMessageBox([](const afx::MessageBoxRequest&) { return IDYES; });
  afx::MemoryPresenter presenter(driver);
  afx::ScopedPresenter scope(presenter);
  double ours = 0;
  double by_hand = 0;
  int round = 0;
  for (auto _ : state) {
    const std::string copy = (base / "by-hand" / ("plan" + std::to_string(round) + ".dwg"));
    by_hand += Seconds([&] {
      Run({"cp", drawing.string(), copy});
      Run({"sync", "-f", (base / "by-hand").string()});
    });
    // A new name each round (one the naming rule fills the dialog from): a new record, as a
    // user registers a new drawing.
    const fs::path source = base / "src" / ("D0PL" + std::to_string(100 + round++) + "Z.dwg");
    fs::copy_file(drawing, source);
    const double t = Seconds([&] {
      if (!manager.EntryFile(CString(source.c_str()), CString((base / "root/F").c_str()), &draft,
                             nullptr)) {
        state.SkipWithError("EntryFile failed");
      }
    });
    ours += t;
    state.SetIterationTime(t);
  }
  state.counters["by_hand_ms"] = 1000 * by_hand / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / by_hand;
  fs::remove_all(base);
}
BENCHMARK(BM_EntryIntoAThousandRecordsVsCpAndSync)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
