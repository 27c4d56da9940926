// Appending a million pointers: TVector with its linear growth step of 8 against
// std::vector's push_back. BM_AppendRatio times both in the same iterations and reports
// ratio = TVector time / std::vector time.
#include <benchmark/benchmark.h>

#include "bench/BenchTiming.h"

#include <chrono>
#include <cstdint>
#include <vector>

#include "register/TVector.h"

namespace {

constexpr int kCount = 1000000;

void* Pointer(int i) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(i) * 8);
}

void FillTVector() {
  TVector<void*> v(8);
  for (int i = 0; i < kCount; ++i)
    v.Append(Pointer(i));
  benchmark::DoNotOptimize(v[kCount - 1]);
  benchmark::ClobberMemory();
}

void FillStdVector() {
  std::vector<void*> v;
  for (int i = 0; i < kCount; ++i)
    v.push_back(Pointer(i));
  benchmark::DoNotOptimize(v[kCount - 1]);
  benchmark::ClobberMemory();
}

void BM_TVectorAppend(benchmark::State& state) {
  for (auto _ : state)
    FillTVector();
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_TVectorAppend)->Unit(benchmark::kMillisecond);

void BM_StdVectorPushBack(benchmark::State& state) {
  for (auto _ : state)
    FillStdVector();
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_StdVectorPushBack)->Unit(benchmark::kMillisecond);

void BM_AppendRatio(benchmark::State& state) {
  double tvector = 0;
  double std_vector = 0;
  for (auto _ : state) {
    tvector += Seconds(FillTVector);
    std_vector += Seconds(FillStdVector);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["tvector_ms"] = tvector / n * 1e3;
  state.counters["std_vector_ms"] = std_vector / n * 1e3;
  state.counters["ratio"] = std_vector > 0 ? tvector / std_vector : 0;
}
BENCHMARK(BM_AppendRatio)->Unit(benchmark::kMillisecond);

}  // namespace
