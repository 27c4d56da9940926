#include "templates/TovoLinkPool.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <new>

namespace {

// Every piece starts with the block it came from (null: the heap), 16 bytes so that the
// object after it keeps the alignment operator new gives.
constexpr size_t kHeader = 16;
// The block's own bookkeeping before its first piece, a multiple of kHeader.
constexpr size_t kBlockHeader = 64;
// A smaller block would save few page faults: so few links come from the heap.
constexpr size_t kMinBlockBytes = 64 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

size_t RoundUp(size_t n, size_t to) {
  return (n + to - 1) / to * to;
}

std::atomic<size_t> blocks_in_use{0};
thread_local TovoLinkPool* open_pool = nullptr;

// Memory for a block, from the heap like any other, or null when there is none. A large
// block is fresh memory as a rule (the C library maps such sizes on their own); it is then
// backed with large pages where the system gives them: a few faults for the block instead of
// one for every 4 KiB. The address sanitizer keeps its own heap: no advice there.
void* NewBlock(size_t bytes) {
  void* p = ::operator new(bytes, std::nothrow);
  constexpr uintptr_t kLargePage = 2 << 20;
  if (!p || kSanitized || bytes < 2 * kLargePage) return p;
  const uintptr_t first = (reinterpret_cast<uintptr_t>(p) + kLargePage - 1) & ~(kLargePage - 1);
  const uintptr_t last = (reinterpret_cast<uintptr_t>(p) + bytes) & ~(kLargePage - 1);
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  return p;
}

}  // namespace

struct TovoLinkPool::Block {
  // One for each link in the block, and one for the pool while it is open. An open pool
  // holds one more for every link it may still hand out, so that handing one out changes
  // nothing shared: an atomic step for every link would cost more than the rest of its
  // allocation.
  explicit Block(size_t pieces) : refs(1 + pieces) {}
  std::atomic<size_t> refs;

  void Unref(size_t n = 1) noexcept {
    if (refs.fetch_sub(n, std::memory_order_acq_rel) != n) return;
    this->~Block();
    ::operator delete(this);
    blocks_in_use.fetch_sub(1, std::memory_order_relaxed);
  }
};

TovoLinkPool::TovoLinkPool(size_t count, size_t size) : outer_(open_pool) {
  static_assert(sizeof(Block) <= kBlockHeader);
  open_pool = this;
  const size_t slot = kHeader + RoundUp(size, kHeader);
  if (count == 0 || count > (SIZE_MAX - kBlockHeader) / slot) return;
  const size_t bytes = kBlockHeader + count * slot;
  if (bytes >= kMinBlockBytes) Open(bytes, slot);  // else, or with no memory, the heap
}

TovoLinkPool::TovoLinkPool(size_t size) : grows_(true), outer_(open_pool) {
  open_pool = this;
  Open(kMinBlockBytes, kHeader + RoundUp(size, kHeader));
}

TovoLinkPool::~TovoLinkPool() {
  open_pool = outer_;
  if (block_) block_->Unref(1 + unclaimed_);
}

bool TovoLinkPool::Open(size_t bytes, size_t slot) {
  void* memory = NewBlock(bytes);
  if (!memory) return false;
  if (block_) block_->Unref(1 + unclaimed_);
  next_ = static_cast<char*>(memory) + kBlockHeader;
  end_ = next_ + (bytes - kBlockHeader) / slot * slot;
  // No piece is smaller than two headers: at most this many links fit.
  unclaimed_ = static_cast<size_t>(end_ - next_) / (2 * kHeader);
  block_ = new (memory) Block(unclaimed_);
  blocks_in_use.fetch_add(1, std::memory_order_relaxed);
  return true;
}

void* TovoLinkPool::Take(size_t size) {
  const size_t slot = kHeader + RoundUp(size, kHeader);
  if (block_ && grows_ && static_cast<size_t>(end_ - next_) < slot) {
    const size_t bytes = static_cast<size_t>(end_ - reinterpret_cast<char*>(block_));
    if (bytes <= SIZE_MAX / 2 && !Open(bytes * 2, slot)) return nullptr;
  }
  if (!block_ || static_cast<size_t>(end_ - next_) < slot || unclaimed_ == 0) return nullptr;
  char* piece = next_;
  next_ += slot;
  --unclaimed_;
  *reinterpret_cast<Block**>(piece) = block_;
  return piece + kHeader;
}

void* TovoLinkPool::Allocate(size_t size) {
  if (open_pool) {
    if (void* p = open_pool->Take(size)) return p;
  }
  char* piece = static_cast<char*>(::operator new(kHeader + size));
  *reinterpret_cast<Block**>(piece) = nullptr;
  return piece + kHeader;
}

void TovoLinkPool::Release(void* p) noexcept {
  if (!p) return;
  char* piece = static_cast<char*>(p) - kHeader;
  Block* block = *reinterpret_cast<Block**>(piece);
  if (block) {
    block->Unref();
  } else {
    ::operator delete(piece);
  }
}

size_t TovoLinkPool::BlocksInUse() {
  return blocks_in_use.load(std::memory_order_relaxed);
}

size_t TovoLinkPool::PieceBytes(size_t size) {
  // A block's piece is the header and the object rounded up; the heap's block for the same
  // adds its own header and rounding, at most one more header's worth.
  return 2 * kHeader + RoundUp(size, kHeader);
}
