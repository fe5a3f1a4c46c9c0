#pragma once

#include "platform/icones/Choix.h"

#include <QByteArrayView>
#include <QImage>

namespace platform::icones {

// A picture in one of the formats that Qt reads and that serve as icons: BMP, PNG, SVG (plain
// or compressed) and XPM, as an icon of the program. Null for any other content, and for a
// picture that claims more pixels than a screen would show. Drawings are rendered at cote x cote.
QImage imageQt(QByteArrayView contenu, int cote = coteIcone);

} // namespace platform::icones
