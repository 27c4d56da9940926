// Registering a 256 MiB SXF drawing through EntryFile (lock, dialog, companion scan, copy,
// information file) against `cp` of the same file on the same disk, in the same run.
// ratio = EntryFile time / cp time.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include "bench/BenchTiming.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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

}  // namespace
