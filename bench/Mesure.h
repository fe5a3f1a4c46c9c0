#pragma once

#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <cstdio>

// Runs f `fois` times and returns the median duration of one run, in microseconds.
template <class F>
double medianeMicro(int fois, F &&f) {
    QList<qint64> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        f();
        durees.append(chrono.nsecsElapsed());
    }
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2] / 1000.0;
}

inline void rapporter(const char *quoi, double micro) {
    std::printf("%-58s %10.1f µs\n", quoi, micro);
}
