#pragma once

#include <QString>
#include <chrono>

class QDBusConnection;

// Showing a program's file in the desktop's file manager, selected.
namespace platform {

// The file a program name stands for: a name with a directory part is taken as it is (relative
// to the current directory), a bare name is looked for through PATH, and then in the current
// directory. The result is absolute.
QString fichierDuProgramme(const QString &programme);

// Asks the file manager of the session (org.freedesktop.FileManager1.ShowItems over D-Bus) to show
// the file selected, and returns at once. When no file manager answers (no session bus, none
// registered, an error, no answer within `delai`), the folder that holds the file is opened
// instead. Nothing is reported.
void reveler(const QString &fichier);
void reveler(const QString &fichier, const QDBusConnection &bus, std::chrono::milliseconds delai);

} // namespace platform
