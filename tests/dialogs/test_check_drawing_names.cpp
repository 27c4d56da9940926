// The check of a batch's names gives the answer of comparing each row, in order, with every
// later row and then with every file of the folder, however the folder and rows are made.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "dialogs/CheckDrawingNames.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"

namespace {

struct Answer {
  int result;
  int first;
  int second;
  bool operator==(const Answer&) const = default;
};

// The checks one by one, as a person reading them would run them.
Answer CheckPairByPair(const CEnvironObj& env, CDrawingFolder* folder, TVector<CDrawingFile*>& rows,
                       TVector<CDrawingFile*>& records) {
  const auto base = [&env](const CDrawingFile* f) {
    return env.GetBaseNameFromFileName(f->Name(0));
  };
  for (int i = 0; i < rows.GetCnt(); ++i) {
    const DrawingTypeInfo& type = rows[i]->GetTypeInfo();
    if (type.fieldNo < 0 || type.no < 0) return {1, i, -1};
    const CString name = base(rows[i]);
    for (int j = i + 1; j < rows.GetCnt(); ++j) {
      if (base(rows[j]).CompareNoCase(name) == 0) return {2, i, j};
    }
    for (int f = 0; folder && f < folder->GetFileCount(); ++f) {
      const CDrawingFile* file = folder->GetFile(f);
      if (file == records[i]) continue;
      const CDrawingFile* shown = file;
      for (int k = 0; k < records.GetCnt(); ++k) {
        if (records[k] == file) shown = rows[k];
      }
      if (base(shown).CompareNoCase(name) == 0) return {3, i, -1};
    }
  }
  return {0, -1, -1};
}

// A batch over a folder: some rows are copies of the folder's own files (information setting),
// the others new files; names drawn from few values so that they often meet, in either case
// of letters and with other extensions.
struct RandomBatch {
  explicit RandomBatch(unsigned seed) : random(seed) {
    const int files = Pick(0, 12);
    for (int f = 0; f < files; ++f)
      folder.AddFile(MakeFile());
    const int count = Pick(0, 10);
    for (int i = 0; i < count; ++i) {
      CDrawingFile* record = nullptr;
      if (folder.GetFileCount() > 0 && Pick(0, 2) == 0) {
        record = folder.GetFile(Pick(0, folder.GetFileCount() - 1));
      } else {
        owned.push_back(std::make_unique<CDrawingFile>(MakeFile()));
        record = owned.back().get();
      }
      records.Append(record);
      copies.push_back(std::make_unique<CDrawingFile>(*record));
      if (Pick(0, 3) == 0) copies.back()->Page(Pick(0, 1) ? "1" : "2");
      if (Pick(0, 12) == 0) copies.back()->SetTypeInfo({});
      rows.Append(copies.back().get());
    }
  }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  CDrawingFile MakeFile() {
    const char* names[] = {"a.P21", "b.SFC", "c.p21", "d.dwg"};
    CDrawingFile file;
    file.Name(names[Pick(0, 3)]);
    file.SetTypeInfo(Pick(0, 1) ? DrawingTypeInfo{0, 1, "PL"} : DrawingTypeInfo{0, 5, "DT"});
    file.Page(Pick(0, 1) ? "1" : "2");
    file.Arrangement(Pick(0, 4) ? "A" : "0");
    return file;
  }

  std::mt19937 random;
  CDrawingFolder folder;
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  std::vector<std::unique_ptr<CDrawingFile>> copies;
  TVector<CDrawingFile*> records;
  TVector<CDrawingFile*> rows;
};

TEST(CheckDrawingNames, GivesTheAnswerOfCheckingPairByPairInOrder) {
  const CEnvironObj env;
  int answers[4] = {};
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    RandomBatch batch(seed);
    Answer got{0, -1, -1};
    got.result = CheckDrawingNames(&env, &batch.folder, &batch.rows, &batch.records, &got.first,
                                   &got.second);
    const Answer expected = CheckPairByPair(env, &batch.folder, batch.rows, batch.records);
    ASSERT_EQ(expected.result, got.result) << "seed " << seed;
    ASSERT_EQ(expected.first, got.first) << "seed " << seed;
    if (expected.result == 2) {
      ASSERT_EQ(expected.second, got.second) << "seed " << seed;
    }
    ++answers[got.result];
  }
  // Every answer came up often enough for the comparison to mean something.
  for (int result = 0; result < 4; ++result)
    EXPECT_GT(answers[result], 100) << result;
}

TEST(CheckDrawingNames, ALetterCaseOrExtensionMakesNoOtherNameButADoubleByteCharacterDoes) {
  const CEnvironObj env;
  CDrawingFolder folder;
  CDrawingFile registered;
  registered.Name(CString(u8"図面.SFC"));
  registered.SetTypeInfo({0, 1, "pl"});
  folder.AddFile(registered);
  CDrawingFile row;
  row.Name("new.p21");
  row.SetTypeInfo({0, 1, "PL"});
  TVector<CDrawingFile*> rows;
  rows.Append(&row);
  TVector<CDrawingFile*> records = rows;
  int first = -1;
  int second = -1;
  EXPECT_EQ(3, CheckDrawingNames(&env, &folder, &rows, &records, &first, &second));
  EXPECT_EQ(0, first);
  // The code PL in full-width letters is another name.
  row.SetTypeInfo({0, 1, CString(u8"ＰＬ")});
  folder.GetFile(0)->SetTypeInfo({0, 1, CString(u8"ｐｌ")});
  EXPECT_EQ(0, CheckDrawingNames(&env, &folder, &rows, &records, &first, &second));
  EXPECT_EQ(0, CheckDrawingNames(&env, nullptr, nullptr, nullptr, &first, &second));
}

}  // namespace
