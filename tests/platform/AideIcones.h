#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// What the icon tests share: the test data, and the picture that fabrique.py draws in every
// entry of the test icons.

inline QString donneesIcones(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

// The pattern at 32 x 32: columns below 15 are a, the others b; rows above 8 are transparent
// below column 7; with demi, the rows from 24 down are b at half opacity in b's columns.
inline QImage motif(QRgb a, QRgb b, bool demi) {
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            QRgb p = x < 15 ? a : b;
            p = (demi && x >= 15 && y >= 24) ? (p & 0xFFFFFFu) | 0x80000000u : p | 0xFF000000u;
            image.setPixel(x, y, x < 7 && y < 8 ? 0u : p);
        }
    return image;
}

// Whether two pixels differ by at most tolerance on every channel.
inline bool proches(QRgb p, QRgb q, int tolerance) {
    return qAbs(qRed(p) - qRed(q)) <= tolerance && qAbs(qGreen(p) - qGreen(q)) <= tolerance &&
           qAbs(qBlue(p) - qBlue(q)) <= tolerance && qAbs(qAlpha(p) - qAlpha(q)) <= tolerance;
}

// Whether a scaled icon shows the pattern: pixels well inside each area of it, within a few
// levels, as smooth scaling blends only across the areas' edges.
inline bool montreMotif(const QImage &icone, QRgb a, QRgb b, bool demi) {
    if (icone.size() != QSize(32, 32) || icone.format() != QImage::Format_ARGB32)
        return false;
    const QImage attendu = motif(a, b, demi);
    for (const QPoint p : {QPoint(2, 2), QPoint(4, 14), QPoint(10, 20), QPoint(24, 12),
                           QPoint(28, 4), QPoint(24, 28)})
        if (!proches(icone.pixel(p), attendu.pixel(p), 3))
            return false;
    return true;
}
