#pragma once

#include <QByteArrayView>
#include <QString>

// Text of one line of a profile file. Boards are written in UTF-8, but a board carried over
// from a Windows machine holds Windows-1252 bytes: a line whose bytes are not valid UTF-8 is
// read as Windows-1252, so that its accented letters survive.
bool estUtf8Valide(QByteArrayView octets);
QString depuisWindows1252(QByteArrayView octets);
QString texteDeLigne(QByteArrayView octets);
