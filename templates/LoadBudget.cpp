#include "templates/LoadBudget.h"

#include <algorithm>
#include <string>

#include "framework/CArchive.h"
#include "framework/Exceptions.h"

LoadBudget LoadBudget::ForFile(ULONGLONG file_bytes, ULONGLONG passing_per_byte,
                               ULONGLONG passing_fixed, ULONGLONG fixed) {
  if (file_bytes > kMaxFileBytes) return LoadBudget(0);
  const ULONGLONG whole = kBytesPerFileByte * file_bytes + fixed;
  const ULONGLONG passing = passing_per_byte * file_bytes + passing_fixed;
  if (whole < passing) return LoadBudget(0);
  LoadBudget budget(whole - passing);
  budget.held_back_ = passing_per_byte * file_bytes;
  budget.held_back_per_byte_ = passing_per_byte;
  return budget;
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

void LoadBudget::Consume(ULONGLONG bytes) {
  const ULONGLONG freed = std::min(held_back_, bytes * held_back_per_byte_);
  held_back_ -= freed;
  left_ += freed;
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
