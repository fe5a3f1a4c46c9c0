#pragma once

#include <QString>

// Starting with the session: an entry of the user's autostart folder ($XDG_CONFIG_HOME/autostart/)
// that starts this program by the full path it runs from now.

// Where the entry lives.
QString CheminEntreeSession();

// The entry's text for a program at this full path.
QString TexteEntreeSession(const QString &programme);

// True when the entry exists and is not hidden (Hidden=true turns an autostart entry off).
bool DemarreAvecSession();

// Writes the entry for the running program in one replacement of the file, or removes it. A
// failure raises EcritureImpossible, like the board file's writes.
void DefinirDemarrageSession(bool actif);
