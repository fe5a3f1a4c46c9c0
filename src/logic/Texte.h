#pragma once

#include <QString>
#include <QStringView>

// The first `nombre` characters of a text, a character outside the basic plane (a surrogate pair)
// counting as one, so that a cut never leaves half of one behind.
QString PremiersCaracteres(QStringView texte, qsizetype nombre);
