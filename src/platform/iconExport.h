#pragma once

#include <QImage>
#include <QString>

// Saving an icon, as iconImage gives it, to a file that serves as an icon source again: reading
// the saved file back with iconImage gives the same picture. An existing file is replaced as a
// whole, so that a failed write never leaves half a file. On failure the function returns false
// and, when error is given, puts the system's reason there; nothing is written for a null icon.

// The icon drawn at (0, 0) on a cleared 32 x 32 bitmap, saved as a 32-bit BMP whose transparent
// parts stay transparent.
bool saveIconAsBmp(const QImage &icon, const QString &file, QString *error = nullptr);

// The icon as an icon file of one entry at the icon's size (32 x 32 from iconImage), 32 bits
// with its mask. Icons above 256 x 256, which the format cannot hold, are refused.
bool saveIconAsIco(const QImage &icon, const QString &file, QString *error = nullptr);
