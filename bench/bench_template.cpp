// Saving and loading a large template through a memory file, against a plain memcpy of the
// same bytes measured in the same run. The counter pct_of_memcpy is the template's throughput
// as a percentage of memcpy's, the ceiling any archive format could reach on this machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "templates/TovoTemplate.h"

namespace {

constexpr int kNodes = 100000;
using Clock = std::chrono::steady_clock;

TovoFileBox* SampleBox(int n) {
  auto* box = new TovoFileBox;
  box->Name(CString("BOX") + CString(std::to_string(n)));
  box->DispName(u8"図面ファイル");
  box->SNDigit(3);
  box->Extension("P21");
  box->AddAutoLink({n, 1, "D*.P21", u8"平面図"});
  box->AddAutoLink({n, 2, "D*.SFC", ""});
  return box;
}

// Top-level folders of ten sub-folders, each sub-folder with up to 98 file boxes.
std::unique_ptr<TovoTemplate> BuildTemplate(int nodes) {
  auto t = std::make_unique<TovoTemplate>();
  t->Name(u8"道路設計");
  int made = 0;
  while (made < nodes) {
    TovoFolder* top = TovoFolder::Create("TOP", CString(u8"上位"));
    t->AddFolder(top);
    ++made;
    for (int s = 0; s < 10 && made < nodes; ++s) {
      TovoFolder* sub = TovoFolder::Create("DRAWING", CString(u8"図面"));
      top->AddFolder(sub);
      ++made;
      for (int b = 0; b < 98 && made < nodes; ++b, ++made)
        sub->AddFileBox(SampleBox(made));
    }
  }
  return t;
}

std::string SaveToString(const TovoTemplate& t) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  t.Save(ar);
  ar.Close();
  return std::string(file.Contents());
}

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Bytes per second of memcpy over a buffer of the given size, timed for about 0.2 s.
double MemcpyBytesPerSecond(const std::string& bytes) {
  std::string target(bytes.size(), '\0');
  long long copies = 0;
  const Clock::time_point start = Clock::now();
  Clock::duration spent{};
  while (Seconds(spent) < 0.2) {
    std::memcpy(target.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    ++copies;
    spent = Clock::now() - start;
  }
  return static_cast<double>(bytes.size()) * static_cast<double>(copies) / Seconds(spent);
}

void Report(benchmark::State& state, const std::string& bytes, double seconds) {
  const double processed =
      static_cast<double>(bytes.size()) * static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(processed));
  state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
  const double memcpy_rate = MemcpyBytesPerSecond(bytes);
  state.counters["memcpy_GB/s"] = memcpy_rate / 1e9;
  state.counters["pct_of_memcpy"] = 100.0 * processed / seconds / memcpy_rate;
}

void BM_TemplateSave(benchmark::State& state) {
  const auto t = BuildTemplate(kNodes);
  const std::string bytes = SaveToString(*t);
  // One file for every round, as a host saving again and again would keep it: the rounds
  // then measure the template's writing, not the memory file growing from nothing.
  CMemFile file;
  double total = 0;
  for (auto _ : state) {
    file.SetLength(0);
    file.SeekToBegin();
    const Clock::time_point start = Clock::now();
    CArchive ar(&file, CArchive::store);
    t->Save(ar);
    ar.Close();
    benchmark::DoNotOptimize(file.Contents().data());
    const double spent = Seconds(Clock::now() - start);
    state.SetIterationTime(spent);
    total += spent;
  }
  Report(state, bytes, total);
}
BENCHMARK(BM_TemplateSave)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TemplateLoad(benchmark::State& state) {
  const std::string bytes = SaveToString(*BuildTemplate(kNodes));
  CMemFile file(bytes.data(), bytes.size());
  double total = 0;
  for (auto _ : state) {
    file.SeekToBegin();
    auto t = std::make_unique<TovoTemplate>();
    const Clock::time_point start = Clock::now();
    CArchive ar(&file, CArchive::load);
    t->Load(ar);
    const double spent = Seconds(Clock::now() - start);
    state.SetIterationTime(spent);
    total += spent;
    if (t->GetFolderCnt() == 0) state.SkipWithError("nothing loaded");
    t.reset();  // tearing the tree down is not part of the load
  }
  Report(state, bytes, total);
}
BENCHMARK(BM_TemplateLoad)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
