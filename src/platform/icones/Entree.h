#pragma once

#include "platform/icones/Octets.h"

#include <QImage>
#include <optional>

namespace platform::icones {

// No entry of an icon is larger than this on a side (the icon formats stop at 256); a header
// that claims more is a lie, and believing it would allocate without bound.
inline constexpr int coteMaximal = 1024;

// What an entry of an icon holds, read from its header alone: enough to choose among the
// entries of an icon without decoding them.
struct ApercuEntree {
    int largeur = 0;
    int hauteur = 0;
    int profondeur = 0; // bits per pixel
    bool png = false;
};

// The header of an entry, either a device-independent bitmap followed by its mask or a PNG
// stream. Nothing when the header is damaged, claims an unsupported format or a size above
// coteMaximal, or when the bitmap's pixels do not all lie in the entry.
std::optional<ApercuEntree> apercuEntree(Octets entree);

// The picture of an entry at its own size, in QImage::Format_ARGB32 with every fully
// transparent pixel set to 0; null when the entry is damaged.
QImage decoderEntree(Octets entree);

// Sets every fully transparent pixel of an ARGB32 image to 0, so that pictures that look the same
// compare equal whatever colour their transparent parts held.
void nettoyerTransparence(QImage &image);

} // namespace platform::icones
