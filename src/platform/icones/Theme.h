#pragma once

#include "platform/icones/Choix.h"

#include <QImage>
#include <QString>

namespace platform::icones {

// The icon of this name in the desktop's icon theme, or in the fallback theme when the desktop's
// theme lacks it, as an icon of the program. Null when no theme holds it, when the name is a
// path, or when no GUI application runs (themes are a service of the GUI).
// Drawn at cote x cote device pixels.
QImage imageTheme(const QString &nom, int cote = coteIcone);

} // namespace platform::icones
