#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

// One bar per board: two copies on one board would each rewrite whole sections from their own
// memory and lose the other's changes. The first copy listens on a local socket named after the
// board's full path; a later start on that board asks it to come forward and ends there.
class Instance {
public:
    explicit Instance(const QString &tableau);

    // True when a copy already runs on this board and was asked to come forward. Otherwise this
    // copy now holds the board's socket.
    bool ConfierALaCopieOuverte();

    // What the copy holding the socket does when another start asks for it.
    void QuandRedemande(std::function<void()> ramener);

private:
    QString nom_;
    QLockFile verrou_;
    QLocalServer serveur_;
};
