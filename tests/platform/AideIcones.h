#pragma once

#include <QFile>
#include <QImage>
#include <QString>

// What the icon tests share: the test data, files written whole, and the picture that fabrique.py
// draws in every entry of the test icons.

inline QString donneesIcones(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

inline QByteArray lireTout(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool ecrireTout(const QString &chemin, const QByteArray &octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
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
