#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

// Files read and written whole, and what the started program of the tests (temoin.sh) wrote.
inline QByteArray lireTout(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool ecrireTout(const QString &chemin, const QByteArray &octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}
// The fields written into `chemin` (temoin.sh: its working directory, then its arguments) once it
// is there, within `attente` ms; none when nothing came. The file goes, for the next launch.
inline QStringList lireTemoin(const QString &chemin, int attente = 5000) {
    if (!QTest::qWaitFor([&chemin] { return QFile::exists(chemin); }, attente))
        return {};
    QStringList champs = QString::fromUtf8(lireTout(chemin)).split(QChar(0));
    if (champs.last().isEmpty()) // after the last NUL
        champs.removeLast();
    QFile::remove(chemin);
    return champs;
}
