// The check of a batch before write-back: 999 rows in a folder of 10,000 registered files,
// half of the rows being registered files of the folder (information setting) and half new
// ones. Measured against computing every row's and every file's deliverable name once, in the
// same run; "ratio" is the check's time over that. The check must find the same first problem
// as comparing the rows pair by pair in the order of the checks ("pairwise_ms" is what that
// takes, once): with all names apart (arg 0) and with the last row on a registered name (1).
#include <benchmark/benchmark.h>

#include "bench/BenchTiming.h"

#include <memory>
#include <vector>

#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CheckDrawingNames.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRows = 999;
constexpr char kSerials[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct Answer {
  int result = 0;
  int first = -1;
  int second = -1;
  bool operator==(const Answer&) const = default;
};

// File k's fields make a name of its own: reference number and drawing number count it.
void Name(CDrawingFile& file, int k) {
  file.SetTypeInfo({0, 1, "PL"});
  file.Arrangement(CString(kSerials[(k / 999) % 36]));
  CString page;
  page.Format("%d", k % 999 + 1);
  file.Page(page);
}

struct Batch {
  explicit Batch(bool clash) {
    for (int k = 0; k < kFiles; ++k) {
      CDrawingFile file;
      CString name;
      name.Format("F%05d.P21", k);
      file.Name(name);
      Name(file, k);
      folder.AddFile(file);
    }
    for (int i = 0; i < kRows; ++i) {
      CDrawingFile* record = nullptr;
      if (i % 2 == 0) {
        record = folder.GetFile(i * 7);
      } else {
        owned.push_back(std::make_unique<CDrawingFile>());
        CString name;
        name.Format("NEW%04d.SFC", i);
        owned.back()->Name(name);
        record = owned.back().get();
      }
      records.Append(record);
      copies.push_back(std::make_unique<CDrawingFile>(*record));
      // New names past the folder's, apart from each other.
      Name(*copies.back(), kFiles + i);
      rows.Append(copies.back().get());
    }
    if (clash) Name(*copies.back(), 4321);
    expected = Pairwise();
  }

  // The checks row by row, each row against every later row and every file, in order.
  Answer Pairwise() {
    const double seconds = Seconds([&] {
      std::vector<CString> rowNames;
      for (int i = 0; i < rows.GetCnt(); ++i)
        rowNames.push_back(env.GetBaseNameFromFileName(rows[i]->Name(0)));
      std::vector<CString> fileNames;
      for (int f = 0; f < folder.GetFileCount(); ++f) {
        const CDrawingFile* file = folder.GetFile(f);
        CString name = env.GetBaseNameFromFileName(file->Name(0));
        for (int k = 0; k < records.GetCnt(); ++k) {
          if (records[k] == file) name = rowNames[static_cast<size_t>(k)];
        }
        fileNames.push_back(name);
      }
      for (int i = 0; i < rows.GetCnt(); ++i) {
        const CString& name = rowNames[static_cast<size_t>(i)];
        for (int j = i + 1; j < rows.GetCnt(); ++j) {
          if (rowNames[static_cast<size_t>(j)].CompareNoCase(name) == 0) {
            pairwise = {2, i, j};
            return;
          }
        }
        for (int f = 0; f < folder.GetFileCount(); ++f) {
          if (folder.GetFile(f) == records[i]) continue;
          if (fileNames[static_cast<size_t>(f)].CompareNoCase(name) == 0) {
            pairwise = {3, i, -1};
            return;
          }
        }
      }
    });
    pairwiseSeconds = seconds;
    return pairwise;
  }

  CEnvironObj env;
  CStdDraftMgr draft;
  CDrawingFolder folder;
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  std::vector<std::unique_ptr<CDrawingFile>> copies;
  TVector<CDrawingFile*> records;
  TVector<CDrawingFile*> rows;
  Answer pairwise;
  Answer expected;
  double pairwiseSeconds = 0;
};

void BM_CheckSettingVsNames(benchmark::State& state) {
  static Batch apart(false);
  static Batch clashing(true);
  Batch& batch = state.range(0) ? clashing : apart;
  // The sheet without a window, as before its dialog is shown: no message box.
  CMultiSettingSheet sheet(&batch.rows, &batch.env, &batch.draft, nullptr, 14);
  double ours = 0;
  double base = 0;
  for (auto _ : state) {
    base += Seconds([&] {
      for (int i = 0; i < batch.rows.GetCnt(); ++i)
        benchmark::DoNotOptimize(batch.rows[i]->Name(0));
      for (int f = 0; f < batch.folder.GetFileCount(); ++f)
        benchmark::DoNotOptimize(batch.folder.GetFile(f)->Name(0));
    });
    const double t = Seconds(
        [&] { benchmark::DoNotOptimize(sheet.CheckSetting(&batch.records, &batch.folder)); });
    ours += t;
    state.SetIterationTime(t);
  }
  Answer got;
  got.result = CheckDrawingNames(&batch.env, &batch.folder, &batch.rows, &batch.records, &got.first,
                                 &got.second);
  if (got.result != 2) got.second = -1;
  if (!(got == batch.expected)) state.SkipWithError("the check found another first problem");
  state.counters["result"] = got.result;
  state.counters["names_ms"] = 1000 * base / static_cast<double>(state.iterations());
  state.counters["pairwise_ms"] = 1000 * batch.pairwiseSeconds;
  state.counters["ratio"] = ours / base;
}
BENCHMARK(BM_CheckSettingVsNames)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
