#pragma once

#include <QString>
#include <QStringList>

// Starting programs, as the launcher does it: in the process's current directory, which a launch
// sets first, and never through a shell.
namespace platform {

// Makes `repertoire` the current directory of this process, which the programs started later
// inherit. False when it cannot be entered; the current directory then stays as it was.
bool changerRepertoireCourant(const QString &repertoire);

// Why a program did not start.
enum class EchecLancement {
    Aucun,         // it started
    Introuvable,   // no such file (or a directory on its way is missing)
    NonExecutable, // the file is there but cannot be run: no permission, a directory, no format
    Autre,         // the system refused for another reason, told in `detail`
};

struct Lance {
    qint64 pid = 0;
    EchecLancement echec = EchecLancement::Aucun;
    QString detail; // the system's words for EchecLancement::Autre
    explicit operator bool() const { return echec == EchecLancement::Aucun; }
};

// Starts `programme` with `arguments` as a process of its own, in a session of its own, in the
// current directory, with its standard input on the null device, and returns at once. A program
// named without a directory is found through PATH. The launcher reaps it when it ends, so that no
// zombie is left. An empty `programme` is reported as not found.
//
// `affichage` is a Windows show command: 3 asks for the program's first window maximised, 2 for it
// minimised, anything else leaves it as the program opens it. Where the window manager can be
// asked (X11), the first window of the new process (or of a process it starts, or one that carries
// the startup notification id handed to it) is watched for a few seconds without blocking, and the
// window manager is asked to put it in that state.
Lance lancer(const QString &programme, const QStringList &arguments, int affichage);

} // namespace platform
