// The most memory part of a test holds at once, as the system counts it: the body runs in a
// forked child whose peak resident set is reset first, so that nothing the test process held
// before counts. The address sanitizer keeps freed memory aside and maps shadow memory of its
// own, so its builds check outcomes but not these numbers.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizedHeap = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitizedHeap = true;
#else
inline constexpr bool kSanitizedHeap = false;
#endif
#else
inline constexpr bool kSanitizedHeap = false;
#endif

struct PeakUse {
  int result = -1;            // the body's
  long long grownBytes = -1;  // the peak above the resident set when the body began
};

// The peak resident set in bytes, -1 when the system cannot tell.
inline long long PeakResidentBytes() {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long long kib = -1;
  while (std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) std::sscanf(line + 6, "%lld", &kib);
  }
  std::fclose(status);
  return kib < 0 ? -1 : kib * 1024;
}

// Runs body (returning an int below 256) in a child; a child that dies gives result -1.
template <typename Body>
PeakUse PeakUseOf(Body body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    PeakUse use;
    // Writing 5 sets the peak back to what is resident now.
    const int clear = open("/proc/self/clear_refs", O_WRONLY);
    const bool reset = clear >= 0 && write(clear, "5", 1) == 1;
    if (clear >= 0) close(clear);
    const long long base = reset ? PeakResidentBytes() : -1;
    use.result = body();
    const long long peak = PeakResidentBytes();
    use.grownBytes = base < 0 || peak < 0 ? -1 : peak - base;
    const ssize_t written = write(fds[1], &use, sizeof use);
    _exit(written == sizeof use ? 0 : 1);
  }
  close(fds[1]);
  PeakUse use;
  if (read(fds[0], &use, sizeof use) != sizeof use) use = PeakUse{};
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return use;
}
