#pragma once

#include "support/Fichiers.h"

#include <QImage>
#include <QString>

// The test data, and the picture fabrique.py draws in every entry of the test icons.

inline QString donneesIcones(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

// At 32 (c): a left of column 15 (c/2 - 1), b right of it; clear where x < 7 and y < 8; with demi,
// b at half opacity from row 24 (3c/4).
inline QImage motif(QRgb a, QRgb b, bool demi, int cote = 32) {
    QImage image(cote, cote, QImage::Format_ARGB32);
    for (int y = 0; y < cote; ++y)
        for (int x = 0; x < cote; ++x) {
            const bool colonneA = x < cote / 2 - 1;
            QRgb p = colonneA ? a : b;
            p = (demi && !colonneA && y >= 3 * cote / 4) ? (p & 0xFFFFFFu) | 0x80000000u
                                                         : p | 0xFF000000u;
            image.setPixel(x, y, x < cote / 4 - 1 && y < cote / 4 ? 0u : p);
        }
    return image;
}

inline bool proches(QRgb p, QRgb q, int tolerance) {
    return qAbs(qRed(p) - qRed(q)) <= tolerance && qAbs(qGreen(p) - qGreen(q)) <= tolerance &&
           qAbs(qBlue(p) - qBlue(q)) <= tolerance && qAbs(qAlpha(p) - qAlpha(q)) <= tolerance;
}
