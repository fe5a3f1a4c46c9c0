#pragma once

#include <algorithm>
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
