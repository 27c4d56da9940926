#include "dialogs/CheckDrawingNames.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/CMap.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"

namespace {

// The deliverable base name, in the register's edition, as a key: equal keys are names equal
// without regard to case, as CompareNoCase sees them (ASCII letters fold, double-byte characters
// stay as they are).
std::string NameKey(const CEnvironObj& env, const CDrawingFile& file) {
  CString key(env.GetBaseNameFromFileName(file.Name(0, env.GetNaming())).GetString());
  key.MakeUpper();
  return key.Bytes();
}

bool TypeSet(const CDrawingFile& file) {
  return file.GetTypeInfo().fieldNo >= 0 && file.GetTypeInfo().no >= 0;
}

}  // namespace

// Each row is compared with every later row and every file of the folder, in that order, and
// the first match is the answer; the comparisons go through hash indexes of the names, so a
// batch of a thousand rows in a folder of ten thousand files takes one pass over each.
int CheckDrawingNames(const CEnvironObj* env, CDrawingFolder* folder, TVector<CDrawingFile*>* rows,
                      TVector<CDrawingFile*>* records, int* first, int* second) {
  const int count = rows ? rows->GetCnt() : 0;
  const int recordCount = records ? records->GetCnt() : 0;

  // Which of the caller's records each file of the folder is.
  CMap<CDrawingFile*, CDrawingFile*, int, int> recordIndex;
  recordIndex.InitHashTable(257);
  for (int k = 0; k < recordCount; ++k)
    recordIndex.SetAt((*records)[k], k);

  std::vector<std::string> rowKey(static_cast<size_t>(count));
  std::unordered_map<std::string, std::vector<int>> rowsByKey;  // rows in ascending order
  rowsByKey.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    rowKey[static_cast<size_t>(i)] = NameKey(*env, *(*rows)[i]);
    rowsByKey[rowKey[static_cast<size_t>(i)]].push_back(i);
  }

  // The folder's files by the names they will have: a file being edited takes its row's name.
  const int fileCount = folder ? folder->GetFileCount() : 0;
  std::unordered_map<std::string, int> filesByKey;
  filesByKey.reserve(static_cast<size_t>(fileCount));
  std::unordered_map<const CDrawingFile*, int> editedFileRow;
  for (int f = 0; f < fileCount; ++f) {
    CDrawingFile* file = folder->GetFile(f);
    int k = -1;
    if (recordIndex.Lookup(file, k) && k < count) {
      editedFileRow[file] = k;
      ++filesByKey[rowKey[static_cast<size_t>(k)]];
    } else {
      ++filesByKey[NameKey(*env, *file)];
    }
  }

  for (int i = 0; i < count; ++i) {
    if (!TypeSet(*(*rows)[i])) {
      *first = i;
      return 1;
    }
    const std::string& key = rowKey[static_cast<size_t>(i)];
    const std::vector<int>& same = rowsByKey[key];
    const auto later = std::upper_bound(same.begin(), same.end(), i);
    if (later != same.end()) {
      *first = i;
      *second = *later;
      return 2;
    }
    const auto files = filesByKey.find(key);
    int clashes = files == filesByKey.end() ? 0 : files->second;
    // The row's own record is no clash.
    if (i < recordCount) {
      const auto own = editedFileRow.find((*records)[i]);
      if (own != editedFileRow.end() && rowKey[static_cast<size_t>(own->second)] == key) --clashes;
    }
    if (clashes > 0) {
      *first = i;
      return 3;
    }
  }
  return 0;
}
