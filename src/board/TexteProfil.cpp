#include "board/TexteProfil.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

bool estAscii(QByteArrayView octets) {
    return std::all_of(octets.begin(), octets.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// 0x80..0x9F are the only bytes where Windows-1252 differs from Latin-1. The five bytes it
// leaves undefined map to the control character of the same value, as Windows itself does.
constexpr std::array<char16_t, 32> table80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

bool estUtf8Valide(QByteArrayView octets) {
    if (estAscii(octets))
        return true;
    // ConvertInitialBom: a byte-order mark is text like any other, never silently dropped.
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
    const QString texte = decodeur(octets);
    return !decodeur.hasError();
}

QString depuisWindows1252(QByteArrayView octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    QChar *sortie = texte.data();
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        *sortie++ = (octet >= 0x80 && octet <= 0x9F) ? QChar(table80a9F[octet - 0x80])
                                                     : QChar(char16_t(octet));
    }
    return texte;
}

QString texteDeLigne(QByteArrayView octets) {
    if (estAscii(octets))
        return QString::fromLatin1(octets);
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
    QString texte = decodeur(octets);
    if (!decodeur.hasError())
        return texte;
    return depuisWindows1252(octets);
}
