#pragma once

// What the two programs of the first-frame benchmark share: at the first paint of any widget they
// print the monotonic clock, then, once what follows the first frame has run, their anonymous
// memory, and end.

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

inline long long MemoireAnonymeKio() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("RssAnon:"))
            return l.mid(8).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

struct PremiereImage : QObject {
    bool vue = false;
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint && !vue) {
            vue = true;
            timespec t{};
            clock_gettime(CLOCK_MONOTONIC, &t);
            std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(1000, [] {
                std::printf("%lld\n", MemoireAnonymeKio());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};
