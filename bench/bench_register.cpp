// The register on a real disk, each measured against a baseline in the same run:
//  - LoadFolders over ~21,000 directories against `find ROOT -type d`;
//  - SaveFiles and LoadFiles of 100,000 records against one write() of the same bytes;
//  - FindFolder on a 5-level path (lookups per second).
// The ratio counters are our time divided by the baseline's.
#include <benchmark/benchmark.h>

#include <fcntl.h>
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
    std::string pattern = (fs::temp_directory_path() / "drawreg-bench-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
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

constexpr int kRecords = 100000;

// A folder "F" with 100,000 registered files (the files exist: LoadFiles checks them).
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
  }
  Scratch scratch;
  CDrawingFolder folder;
};

BigFolder& Big() {
  static BigFolder big;
  return big;
}

// One write() of the bytes SaveFiles produces, to a file of its own.
double WriteOnce(const std::string& path, const std::string& bytes) {
  return Seconds([&] {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::close(fd);
  });
}

std::string InfoBytes(const std::string& dir) {
  std::ifstream in(dir + "/FOLDERINF.$$$", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Times operation on the big folder against one write() of the bytes the folder saves, in
// the same iterations; returns the size of those bytes.
template <typename Operation>
size_t AgainstOneWrite(benchmark::State& state, Operation operation) {
  BigFolder& big = Big();
  big.folder.SaveFiles(big.scratch.env);
  const std::string bytes = InfoBytes(big.scratch.root + "/F");
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += WriteOnce(big.scratch.root + "/baseline", bytes);
    const double t = Seconds([&] { operation(big); });
    ours += t;
    state.SetIterationTime(t);
  }
  state.counters["ratio"] = ours / base;
  return bytes.size();
}

void BM_SaveFilesVsWrite(benchmark::State& state) {
  const size_t bytes =
      AgainstOneWrite(state, [](BigFolder& big) { big.folder.SaveFiles(big.scratch.env); });
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_SaveFilesVsWrite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_LoadFilesVsWrite(benchmark::State& state) {
  AgainstOneWrite(state, [](BigFolder& big) { big.folder.LoadFiles(big.scratch.env, 0); });
  if (Big().folder.GetFileCount() != kRecords) state.SkipWithError("records lost");
}
BENCHMARK(BM_LoadFilesVsWrite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
