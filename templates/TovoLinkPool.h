// TovoLinkPool: memory for the links read from one link box file. A box of a hundred thousand
// links would otherwise take its ~20 MB in a hundred thousand small pieces, every page of
// which is faulted in on its first touch; here they share one block, backed with large pages
// where the system has them. The links stay objects of their own: each is deleted on its
// own, wherever it has gone by then, and the block goes back to the system with its last link.
#pragma once

#include <cstddef>

class TovoLinkPool {
 public:
  // Until the pool is destroyed, the calling thread's new links come from one block with room
  // for count objects of size bytes; those past that, and all when count is small, from the
  // heap.
  TovoLinkPool(size_t count, size_t size);
  // For links of size bytes whose number is not known: blocks that double as they fill, from
  // one that holds a few hundred links, so that no more is laid out than twice what is taken.
  explicit TovoLinkPool(size_t size);
  TovoLinkPool(const TovoLinkPool&) = delete;
  TovoLinkPool& operator=(const TovoLinkPool&) = delete;
  ~TovoLinkPool();

  // Memory for one link: from the thread's open pool while it has room, else from the heap.
  static void* Allocate(size_t size);
  // Gives back what Allocate gave, from whichever thread.
  static void Release(void* p) noexcept;
  // Blocks that still hold a link or belong to an open pool.
  static size_t BlocksInUse();
  // What one object of size bytes takes at most, from a block or from the heap.
  static size_t PieceBytes(size_t size);

 private:
  struct Block;
  void* Take(size_t size);
  // Makes a block of bytes the one links are taken from; false when there is no memory.
  bool Open(size_t bytes, size_t slot);

  Block* block_ = nullptr;
  bool grows_ = false;
  char* next_ = nullptr;
  char* end_ = nullptr;
  size_t unclaimed_ = 0;  // references the pool holds for links it has not handed out
  TovoLinkPool* outer_;
};
