#pragma once

#include <QByteArray>
#include <QImage>

namespace platform::icones {

// A picture as a 32-bit BMP file that keeps its alpha channel (a version 5 header with an alpha
// mask), rows from the bottom as BMP readers expect.
QByteArray fichierBmp(const QImage &image);

// A picture as an icon file of one entry: a 32-bit bitmap with its alpha channel and the mask
// that readers without alpha use. Empty above 256 x 256, which the format cannot describe.
QByteArray fichierIco(const QImage &image);

} // namespace platform::icones
