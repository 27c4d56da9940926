// The check of a drawing root of 500 folders and 10,000 registered files, measured against
// `find ROOT -type f` plus one read of every "FOLDERINF.$$$", in the same run: the least any
// check must do (list every file, read every record). Two measures, each a ratio of our time
// to the baseline's:
//  - the check itself: the folder tree read and every folder checked, in this process;
//  - `drawreg check` as a user runs it, a process like find, whose start (loading the
//    program's libraries, Qt among them) counts too.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "host/CheckReport.h"
#include "host/FolderWalk.h"
#include "host/LockWait.h"
#include "host/RegisterCheck.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingManager.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTop = 20;
constexpr int kBelow = 24;  // 20 + 20 x 24 = 500 folders
constexpr int kFilesEach = 20;

// A registered folder: its files and an information file listing each of them.
void MakeFolder(const std::string& path, int& serial) {
  fs::create_directories(path);
  std::string lines;
  for (int i = 0; i < kFilesEach; ++i, ++serial) {
    const std::string name = "F" + std::to_string(serial) + ".dwg";
    std::ofstream(path + "/" + name) << "drawing";
    CDrawingFile record;
    record.Name(CString(name));
    record.Page(CString(std::to_string(i + 1)));
    lines += record.ToString().Bytes() + "\r\n";
  }
  std::ofstream(path + "/FOLDERINF.$$$", std::ios::binary) << lines;
}

struct Root {
  Root() {
    path = MakeBenchFolder(fs::temp_directory_path(), "drawreg-bench-check");
    int serial = 1;
    for (int t = 0; t < kTop; ++t) {
      const std::string top = path + "/T" + std::to_string(t);
      MakeFolder(top, serial);
      infos.push_back(top + "/FOLDERINF.$$$");
      for (int b = 0; b < kBelow; ++b) {
        MakeFolder(top + "/B" + std::to_string(b), serial);
        infos.push_back(top + "/B" + std::to_string(b) + "/FOLDERINF.$$$");
      }
    }
  }
  ~Root() { fs::remove_all(path); }
  std::string path;
  std::vector<std::string> infos;
};

Root& TheRoot() {
  static Root root;
  return root;
}

// find ROOT -type f, and every information file read once.
double Baseline(const Root& root) {
  const std::string find = "find " + root.path + " -type f > /dev/null";
  return Seconds([&] {
    benchmark::DoNotOptimize(std::system(find.c_str()));
    for (const std::string& info : root.infos) {
      std::ifstream in(info, std::ios::binary);
      benchmark::DoNotOptimize(std::string(std::istreambuf_iterator<char>(in), {}));
    }
  });
}

// What `drawreg check` does between its start and its exit; the number of problems found.
size_t CheckInProcess(const Root& root) {
  CEnvironObj env;
  env.SetPath(CEnvironObj::kDrawingRoot, CString(root.path));
  CDrawingManager manager;
  manager.SetEnvObj(env);
  manager.LoadFolders();
  host::LockWait wait(0);
  host::RegisterCheck check(env, wait);
  check.CheckRoot();
  host::ForEachFolder(manager, [&](CDrawingFolder& folder, int) { check.CheckFolder(folder); });
  benchmark::DoNotOptimize(host::CheckLines(check.Problems()));
  return check.Problems().size() + (check.FolderCount() == kTop * (kBelow + 1) ? 0 : 1);
}

void BM_CheckVsFindAndRead(benchmark::State& state) {
  Root& root = TheRoot();
  if (CheckInProcess(root) != 0) {
    state.SkipWithError("the check found problems in a clean register");
    return;
  }
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += Baseline(root);
    const double t = Seconds([&] { benchmark::DoNotOptimize(CheckInProcess(root)); });
    ours += t;
    state.SetIterationTime(t);
  }
  state.counters["baseline_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_CheckVsFindAndRead)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CheckProgramVsFindAndRead(benchmark::State& state) {
  Root& root = TheRoot();
  const std::string check =
      std::string(DRAWREG_HOST) + " check --root " + root.path + " > /dev/null";
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += Baseline(root);
    const double t = Seconds([&] { benchmark::DoNotOptimize(std::system(check.c_str())); });
    ours += t;
    state.SetIterationTime(t);
  }
  state.counters["baseline_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_CheckProgramVsFindAndRead)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
