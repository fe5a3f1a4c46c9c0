#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

// Prints the median, the mean and the extremes of a series of durations in microseconds.
inline void Rapporter(const char *nom, std::vector<double> us) {
    if (us.empty()) {
        std::printf("%-48s no measure\n", nom);
        return;
    }
    std::sort(us.begin(), us.end());
    const double moyenne = std::accumulate(us.begin(), us.end(), 0.0) / double(us.size());
    std::printf("%-48s median %8.0f us  mean %8.0f us  min %8.0f  max %8.0f  (n=%zu)\n", nom,
                us[us.size() / 2], moyenne, us.front(), us.back(), us.size());
}

// Runs f `fois` times; the duration of each run, in microseconds.
template <class F>
std::vector<double> Mesurer(int fois, F &&f) {
    std::vector<double> us;
    for (int i = 0; i < fois; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        f();
        us.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut)
                .count());
    }
    return us;
}

inline double Mediane(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    return us.empty() ? 0 : us[us.size() / 2];
}
