// Timing for benchmarks that measure themselves against a baseline in the same run.
#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Seconds that body takes.
template <typename Body>
double Seconds(Body body) {
  const auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs a program (found on PATH) with its arguments and waits for it: a baseline such as `cp`
// started as a user would start it, without a shell in between.
inline void RunProgram(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
    waitpid(pid, nullptr, 0);
  }
}

// A new empty folder named prefix-XXXXXX in dir: the disk a benchmark's files are to be on
// (the build folder's disk for copies, the temporary folder for the rest).
inline std::filesystem::path MakeBenchFolder(const std::filesystem::path& dir,
                                             const std::string& prefix) {
  std::string pattern = (dir / (prefix + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) std::abort();
  return pattern;
}
