#pragma once
// Runs a measurement many times and prints its median, 95th percentile and
// minimum. Benchmarks report; they assert nothing about time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// `once` does one run and returns the microseconds of the part it measures.
inline void Report(const char* name, int runs, const std::function<double()>& once) {
    std::vector<double> micros;
    once();  // warm-up: first-use costs are not what is measured
    for (int i = 0; i < runs; ++i) micros.push_back(once());
    std::sort(micros.begin(), micros.end());
    std::printf("%-34s runs %4d  median %9.1f us  p95 %9.1f us  min %9.1f us\n", name, runs, micros[micros.size() / 2],
                micros[micros.size() * 95 / 100], micros.front());
}

}  // namespace bench
