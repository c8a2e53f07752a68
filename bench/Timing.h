#pragma once
// How the benchmarks time a step: wall-clock milliseconds, best of kRuns.

#include <algorithm>
#include <chrono>
#include <functional>

inline constexpr int kRuns = 3;

inline double Milliseconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

inline double Best(const std::function<void()>& step) {
  double best = 1e300;
  for (int i = 0; i < kRuns; ++i) best = std::min(best, Milliseconds(step));
  return best;
}
