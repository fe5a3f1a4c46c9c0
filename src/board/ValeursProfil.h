#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The rules by which the text after a key's '=' becomes the value a caller reads, and back.

// Blanks of a profile line: what surrounds names and values without being part of them.
QStringView sansBlancs(QStringView texte);

// The longest value a read gives back, in UTF-16 units.
inline constexpr qsizetype longueurMaxValeur = 1023;

// The value as read: without the blanks around it, without one pair of enclosing double or
// single quotes, and cut to longueurMaxValeur without splitting a surrogate pair.
QString valeurLue(QStringView brute);

// The text to store so that valeurLue gives `valeur` back, apart from its surrounding blanks. A
// value wholly enclosed in quotes that also holds that quote inside gets one more pair, which the
// read takes off again. A value enclosed in quotes with none inside is stored as it stands and
// reads back without them: quoted paths rely on it.
QString valeurAStocker(const QString &valeur);

// Integers as stored: decimal with an optional sign, "$" and hexadecimal digits, or "0x"/"0X"
// and at least one hexadecimal digit. Hexadecimal gives the 32-bit pattern ("$FFFFFFFF" is -1).
// Anything else, or a number that does not fit in 32 bits, is no integer.
std::optional<int> entierLu(QStringView texte);
