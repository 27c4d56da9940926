// Timing for benchmarks that measure themselves against a baseline in the same run.
#pragma once

#include <chrono>

// Seconds that body takes.
template <typename Body>
double Seconds(Body body) {
  const auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
