#include "templates/LoadBudget.h"

#include <string>

#include "framework/CArchive.h"
#include "framework/Exceptions.h"

LoadBudget LoadBudget::ForFile(ULONGLONG file_bytes, ULONGLONG passing_per_byte,
                               ULONGLONG passing_fixed) {
  if (file_bytes > kMaxFileBytes) return LoadBudget(0);
  const ULONGLONG whole = kBytesPerFileByte * file_bytes + kFixedBytes;
  const ULONGLONG passing = passing_per_byte * file_bytes + passing_fixed;
  return LoadBudget(whole > passing ? whole - passing : 0);
}

LoadBudget LoadBudget::ForArchive(CArchive& ar) {
  const ULONGLONG left = ar.BytesLeft();
  if (left > kMaxFileBytes) throw CMemoryException();
  return ForFile(left, kArchivePassingPerByte, kArchivePassingFixed);
}

void LoadBudget::Charge(ULONGLONG bytes) {
  if (!TryCharge(bytes)) throw CMemoryException();
}

bool LoadBudget::TryCharge(ULONGLONG bytes) {
  if (bytes > left_) return false;
  left_ -= bytes;
  charged_ += bytes;
  return true;
}

ULONGLONG LoadBudget::HeapBytes(ULONGLONG request) {
  constexpr ULONGLONG kHeader = sizeof(size_t);
  constexpr ULONGLONG kAlign = 2 * sizeof(size_t);
  constexpr ULONGLONG kSmallest = 4 * sizeof(size_t);
  const ULONGLONG block = (request + kHeader + kAlign - 1) / kAlign * kAlign;
  return block < kSmallest ? kSmallest : block;
}

ULONGLONG LoadBudget::TextBytes(size_t length) {
  // A std::string keeps this many bytes inside itself before it takes a heap block.
  static const size_t kInside = std::string().capacity();
  return length <= kInside ? 0 : HeapBytes(length + 1);
}
