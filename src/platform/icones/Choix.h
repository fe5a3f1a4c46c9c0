#pragma once

#include "platform/icones/Entree.h"

#include <QImage>
#include <QList>

namespace platform::icones {

// Side of the icons that the program draws.
inline constexpr int coteIcone = 32;

// Of the entries of one icon, the one that draws best at cote x cote (32 x 32 on a screen of one
// device pixel per pixel): the exact size with the deepest colour, else the nearest larger size
// (deepest colour first), else the largest smaller one. Entries without a header (nullopt) are
// passed over; -1 when none is left.
int meilleureEntree(const QList<std::optional<ApercuEntree>> &entrees, int cote = coteIcone);

// A picture made into an icon of the program: cote x cote, QImage::Format_ARGB32, scaled
// smoothly with its aspect kept and centred on transparency, every fully transparent pixel 0.
// Null stays null.
QImage enIcone(const QImage &image, int cote = coteIcone);

} // namespace platform::icones
