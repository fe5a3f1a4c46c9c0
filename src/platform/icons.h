#pragma once

#include <QImage>
#include <QString>

// The platform's icon extraction. A file holds a number of icons, counted and indexed as the
// Windows shell counts them: the icon groups of a Windows executable or library in the order of
// its resource directory; one icon for an icon file, a picture (BMP, PNG, SVG, XPM), a desktop
// entry (its Icon) or a Linux program that the icon theme knows by name. Every reader
// bounds-checks what it reads and never trusts the file's own sizes and counts. A name without a
// directory is looked for through PATH first, as a launch finds it.

// Number of icons in the file: 0 when it holds none or cannot be read.
int iconCount(const QString &file);

// Icon number index of the file, side x side (32 x 32 unless a screen of several device pixels
// per pixel asks for more) in QImage::Format_ARGB32 with its alpha channel (fully transparent
// pixels are 0); null when there is no such icon. Of the pictures of an icon, the one that draws
// best at that size is taken: the exact size with the deepest colour, else the nearest larger
// size scaled down smoothly, else the largest smaller one scaled up; drawings are rendered at it.
QImage iconImage(const QString &file, int index, int side = 32);
