#pragma once

#include <QString>

namespace platform {

// Characters that end a directory in a path on this platform: backslash and colon on Windows,
// slash elsewhere.
QString separateursChemin();

// Full path of the running executable. It is absolute, so that the board file is still found
// after a launch has changed the process's current directory.
QString cheminProgramme();

// Tests run the bar from a temporary directory; this makes it look like the executable lives
// there. An empty path returns to the real executable.
void simulerCheminProgramme(const QString &chemin);

// The file a program name stands for: a name with a directory part is taken as it is (relative
// to the current directory), a bare name is looked for through PATH, and then in the current
// directory. The result is absolute; empty for an empty name.
QString fichierDuProgramme(const QString &programme);

// True when the executable directory is the `bin` folder of an installation: the prefix beside it
// holds the program's shared files (share/tressola/). Such a program keeps nothing beside itself.
bool estInstalle(const QString &repertoireProgramme);

// The program's shared files: share/tressola/ of the prefix when installed, otherwise the
// executable's own directory; with a trailing slash.
QString repertoireDonnees();

// Per-user configuration directory of the program, with a trailing separator.
QString repertoireConfigurationUtilisateur();

} // namespace platform
