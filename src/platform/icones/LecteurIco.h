#pragma once

#include "platform/icones/Octets.h"

#include <QImage>

namespace platform::icones {

// Whether the bytes start like an icon file: a directory of icons (type 1) with entries.
bool estIco(Octets fichier);

// The one icon of an icon file, drawn from its entry that best fits 32 x 32; null when the file
// is damaged.
QImage imageIco(Octets fichier);

} // namespace platform::icones
