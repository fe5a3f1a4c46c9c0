#pragma once

#include "platform/Programme.h"

#include <QString>
#include <chrono>

class QDBusConnection;

// Showing a program's file in the desktop's file manager, selected.
namespace platform {

// Asks the file manager of the session (org.freedesktop.FileManager1.ShowItems over D-Bus) to show
// the file selected, and returns at once. When no file manager answers (no session bus, none
// registered, an error, no answer within `delai`), the folder that holds the file is opened
// instead. Nothing is reported. An empty name shows nothing.
void reveler(const QString &fichier);
void reveler(const QString &fichier, const QDBusConnection &bus, std::chrono::milliseconds delai);

} // namespace platform
