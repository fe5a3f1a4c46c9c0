#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A desktop entry (.desktop file) turned into what a button needs.
struct EntreeBureau {
    QString exec; // the Exec key, as written
    QString name; // the Name key, unlocalised
    QString path; // the Path key: the working directory, possibly empty
};

// The keys of the [Desktop Entry] group; nothing when the text has no such group or no Exec.
std::optional<EntreeBureau> LireEntreeBureau(const QByteArray &contenu);

// The arguments of an Exec value by the desktop entry quoting rules, with the field codes (%f,
// %U, %i ...) taken out and %% turned into %.
QStringList ArgumentsExec(const QString &exec);

// A command line that the Windows command-line rules split back into exactly these arguments:
// the program between double quotes when it has arguments or blanks (a line without any double
// quote is started as one program path), each argument quoted when it must be.
QString LigneDeCommande(const QStringList &arguments);
