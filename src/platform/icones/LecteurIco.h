#pragma once

#include "platform/icones/Choix.h"
#include "platform/icones/Octets.h"

#include <QImage>

namespace platform::icones {

// Whether the bytes start like an icon file: a directory of icons (type 1) with entries.
bool estIco(Octets fichier);

// The one icon of an icon file, cote x cote, drawn from its entry that best fits that size; null
// when the file is damaged.
QImage imageIco(Octets fichier, int cote = coteIcone);

} // namespace platform::icones
