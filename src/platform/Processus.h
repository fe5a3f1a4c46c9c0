#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Starting programs, as the launcher does it: in the process's current directory, which a launch
// sets first, and never through a shell.
namespace platform {

// Makes `repertoire` the current directory of this process, which the programs started later
// inherit. False when it cannot be entered; the current directory then stays as it was.
bool changerRepertoireCourant(const QString &repertoire);

// Starts `programme` with `arguments` as a process of its own that outlives this one, in the
// current directory, and returns at once with its process id; nothing when it cannot be started.
// A program named without a directory is found through PATH.
//
// `affichage` is a Windows show command: 3 asks for the program's first window maximised, 2 for it
// minimised, anything else leaves it as the program opens it. Where the window manager can be
// asked (X11), the first window of the new process, or of a process it starts, is watched for a
// few seconds without blocking, and the window manager is asked to put it in that state.
std::optional<qint64> lancer(const QString &programme, const QStringList &arguments, int affichage);

} // namespace platform
