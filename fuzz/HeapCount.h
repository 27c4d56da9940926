// The heap's bytes in use while a fuzz target counts, through the sanitizer's allocation
// hooks: what a loader holds is checked against the bound it promises, input by input.
#pragma once

#include <sanitizer/allocator_interface.h>

#include <cstddef>

namespace heap {

// Whether allocations are counted now; the bytes in use since counting began, and the most.
inline bool counting = false;
inline long long in_use = 0;
inline long long peak = 0;

inline void OnMalloc(const volatile void*, size_t size) {
  if (!counting) return;
  in_use += static_cast<long long>(size);
  if (in_use > peak) peak = in_use;
}

inline void OnFree(const volatile void* p) {
  if (counting && p) {
    in_use -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
  }
}

// Starts counting from nothing.
inline void Start() {
  in_use = peak = 0;
  counting = true;
}

inline void Stop() {
  counting = false;
}

// Called once, at the fuzz target's initialisation.
inline void InstallHooks() {
  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
}

}  // namespace heap
