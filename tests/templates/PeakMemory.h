// The most memory part of a test holds at once, as the system counts it: the body runs in a
// forked child whose peak resident set is reset first. The address sanitizer keeps freed
// memory aside and maps shadow memory, so its builds check outcomes but not these numbers.
#pragma once

#include <fcntl.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DRAWREG_SANITIZED_HEAP
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(DRAWREG_SANITIZED_HEAP)
inline constexpr bool kSanitizedHeap = true;
#else
inline constexpr bool kSanitizedHeap = false;
#endif

struct PeakUse {
  int result = -1;            // the body's; -1 when the child died
  long long grownBytes = -1;  // the peak above what was resident when the body began
};

inline long long PeakResidentBytes() {
  FILE* status = std::fopen("/proc/self/status", "r");
  char line[256];
  long long kib = -1;
  while (status && std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) std::sscanf(line + 6, "%lld", &kib);
  }
  if (status) std::fclose(status);
  return kib < 0 ? -1 : kib * 1024;
}

template <typename Body>
PeakUse PeakUseOf(Body body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  if (fork() == 0) {
    // Free memory the test left on the heap goes back to the system first, so that the body
    // cannot reuse it unseen; writing 5 then sets the peak back to what is resident now.
    malloc_trim(0);
    const int clear = open("/proc/self/clear_refs", O_WRONLY);
    const long long base = clear >= 0 && write(clear, "5", 1) == 1 ? PeakResidentBytes() : -1;
    PeakUse use;
    use.result = body();
    use.grownBytes = base < 0 ? -1 : PeakResidentBytes() - base;
    _exit(write(fds[1], &use, sizeof use) == sizeof use ? 0 : 1);
  }
  close(fds[1]);
  PeakUse use;
  if (read(fds[0], &use, sizeof use) != sizeof use) use = PeakUse{};
  close(fds[0]);
  wait(nullptr);
  return use;
}
