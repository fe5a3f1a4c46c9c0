#pragma once

#include <QString>
#include <QStringView>

// Text rules on paths and command lines. Every path rule takes the set of characters that end a
// directory (backslash and colon for Windows paths, slash for POSIX ones), so that the same rules
// serve both kinds of path.

inline constexpr QStringView SeparateursWindows = u"\\:";
inline constexpr QStringView SeparateursPosix = u"/";

// The text up to and including the last separator; empty when there is none.
QString PartieRepertoire(const QString &chemin, QStringView separateurs);

// The text after the last separator (all of it when there is none), at most 255 characters.
QString PartieNom(const QString &chemin, QStringView separateurs);

// The extension with its dot (the last dot after the last separator), at most 255 characters;
// empty when there is none.
QString PartieExtension(const QString &chemin, QStringView separateurs);

// A working directory guessed from a command line: the directory of its last word when the line
// holds double quotes, of the whole line otherwise; a leading quote is dropped.
QString RepertoireLigCom(const QString &ligne, QStringView separateurs);

// A short capitalised name from a command line or a path: «C:\WINDOWS\NOTEPAD.EXE» gives
// «Notepad». Empty when the text ends with a separator (a bare directory has no name to give).
QString NomInfobulle(const QString &texte, QStringView separateurs);

// The path between double quotes when it holds a space and no double quote.
QString EntreGuillemets(const QString &chemin);
