#pragma once

#include "platform/icones/Choix.h"
#include "platform/icones/Octets.h"

#include <QImage>

namespace platform::icones {

// Whether the bytes start like a Windows (or DOS) executable.
bool estExecutableWindows(Octets fichier);

// The icons of a Windows executable or library are its icon groups, counted and numbered in the
// order of its resource directory. 0 when it has none or is not a PE file.
int nombreIconesPE(Octets fichier);

// Icon index of a Windows executable or library, cote x cote, drawn from the entry of its group
// that best fits that size; null when there is no such group or it is damaged.
QImage imagePE(Octets fichier, int index, int cote = coteIcone);

} // namespace platform::icones
