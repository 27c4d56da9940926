// The register on a real disk, each measured against a baseline in the same run:
//  - LoadFolders over ~21,000 directories against `find ROOT -type d`;
//  - SaveFiles of 10,000 records (journal included) against writing and fsyncing the same
//    bytes twice, and LoadFiles against reading the lines with getline and one stat a line;
//  - FindFolder on a 5-level path (lookups per second).
// The ratio counters are our time divided by the baseline's.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "bench/BenchTiming.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"

namespace {

namespace fs = std::filesystem;

// A scratch drawing root, made once for the whole run and removed at exit.
struct Scratch {
  Scratch() {
    root = MakeBenchFolder(fs::temp_directory_path(), "drawreg-bench");
    env.SetPath(CEnvironObj::kDrawingRoot, CString(root.c_str()));
  }
  ~Scratch() { fs::remove_all(root); }
  std::string root;
  CEnvironObj env;
};

// 4 x 5 x 5 x 10 x 20: 20,000 leaves, 21,124 directories in all, five levels deep.
Scratch& Tree() {
  static Scratch tree;
  static bool made = false;
  if (!made) {
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 5; ++b)
        for (int c = 0; c < 5; ++c)
          for (int d = 0; d < 10; ++d)
            for (int e = 0; e < 20; ++e) {
              fs::create_directories(tree.root + "/A" + std::to_string(a) + "/B" +
                                     std::to_string(b) + "/C" + std::to_string(c) + "/D" +
                                     std::to_string(d) + "/E" + std::to_string(e));
            }
    made = true;
  }
  return tree;
}

void BM_LoadFoldersVsFind(benchmark::State& state) {
  Scratch& tree = Tree();
  const std::string find = "find " + tree.root + " -type d > /dev/null";
  CDrawingManager manager;
  manager.SetEnvObj(tree.env);
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += Seconds([&] { benchmark::DoNotOptimize(std::system(find.c_str())); });
    const double t = Seconds([&] { manager.LoadFolders(); });
    ours += t;
    state.SetIterationTime(t);
  }
  state.counters["find_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_LoadFoldersVsFind)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FindFolderFiveLevels(benchmark::State& state) {
  Scratch& tree = Tree();
  CDrawingManager manager;
  manager.SetEnvObj(tree.env);
  manager.LoadFolders();
  const CString path = CString(tree.root.c_str()) + "/A3/B4/C4/D9/E19";
  for (auto _ : state)
    benchmark::DoNotOptimize(manager.FindFolder(path));
  if (!manager.FindFolder(path)) state.SkipWithError("path not found");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindFolderFiveLevels);

constexpr int kRecords = 10000;

// A folder "F" with 10,000 registered files (the files exist: LoadFiles checks them), more
// than a real folder holds.
struct BigFolder {
  BigFolder() {
    fs::create_directories(scratch.root + "/F");
    folder.Name("F");
    for (int i = 0; i < kRecords; ++i) {
      const std::string name = "D0PL" + std::to_string(100000 + i) + ".P21";
      std::ofstream(scratch.root + "/F/" + name);
      CDrawingFile record;
      record.Name(CString(name.c_str()));
      record.SetTypeInfo({0, 1, "PL"});
      folder.AddFile(record);
    }
    folder.SaveFiles(scratch.env);
  }
  std::string InfoPath() const { return scratch.root + "/F/FOLDERINF.$$$"; }
  Scratch scratch;
  CDrawingFolder folder;
};

BigFolder& Big() {
  static BigFolder big;
  return big;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a crash-safe save must do at least: the bytes written and made durable twice.
double WriteAndSyncTwice(const std::string& path, const std::string& bytes) {
  return Seconds([&] {
    for (int i = 0; i < 2; ++i) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
      ::fsync(fd);
      ::close(fd);
    }
  });
}

// What a load must do at least: read the lines and look at each record's file once.
double GetlineAndStat(const std::string& dir) {
  return Seconds([&] {
    std::ifstream in(dir + "/FOLDERINF.$$$", std::ios::binary);
    struct stat st;
    for (std::string line; std::getline(in, line);) {
      const std::string path = dir + "/" + line.substr(0, line.find('\t'));
      benchmark::DoNotOptimize(::stat(path.c_str(), &st));
    }
  });
}

void BM_SaveFilesVsWriteAndSyncTwice(benchmark::State& state) {
  BigFolder& big = Big();
  CDrawingFile& changing = *big.folder.GetFile(kRecords / 2);
  double ours = 0;
  double base = 0;
  int round = 0;
  for (auto _ : state) {
    changing.Page(++round % 2 ? "2" : "3");  // a save of an unchanged list writes nothing
    const double t = Seconds([&] {
      if (!big.folder.SaveFiles(big.scratch.env)) state.SkipWithError("save failed");
    });
    ours += t;
    state.SetIterationTime(t);
    base += WriteAndSyncTwice(big.scratch.root + "/baseline", ReadWhole(big.InfoPath()));
  }
  state.counters["base_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_SaveFilesVsWriteAndSyncTwice)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

void BM_LoadFilesVsGetlineAndStat(benchmark::State& state) {
  BigFolder& big = Big();
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += GetlineAndStat(big.scratch.root + "/F");
    const double t = Seconds([&] { big.folder.LoadFiles(big.scratch.env, 0); });
    ours += t;
    state.SetIterationTime(t);
  }
  if (big.folder.GetFileCount() != kRecords) state.SkipWithError("records lost");
  state.counters["base_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_LoadFilesVsGetlineAndStat)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
