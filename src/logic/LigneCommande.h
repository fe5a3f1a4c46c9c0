#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// How a button's command line becomes a started program: the command built from the stored line,
// the working directory built from the stored one, the window state, and the split of a command
// into a program and its arguments.

// Show commands, with the values of the Windows show commands they stand for.
enum class Affichage : int {
    Normal = 5,   // SW_SHOW
    Maximise = 3, // SW_SHOWMAXIMIZED
    Minimise = 2, // SW_SHOWMINIMIZED
};

// The show command for a button's `Lancement`: 1 maximised, 2 minimised, anything else normal.
Affichage ModeAffichage(quint8 lancement);

// The command started for a stored command line: the line itself when it holds a double quote
// anywhere, otherwise the whole line between double quotes (one program path, spaces included).
QString CommandeLancement(const QString &ligCom);

// The directory entered before a launch: the stored one without its trailing separator, or as it
// stands when it has none. A directory that is nothing but one separator («/», «\») is a root and
// stays whole. Empty when nothing is to be entered.
QString RepertoireLancement(const QString &wDir, QStringView separateurs);

// A command split into its program and arguments by the Windows command-line rules.
struct CommandeDecoupee {
    QString programme;
    QStringList arguments;
    bool operator==(const CommandeDecoupee &) const = default;
};

// Splits a command line. The program is read by the simple rule: up to the next double quote when
// it starts with one (no escapes), else up to the first blank. The arguments then follow the
// quoting rules of Windows programs:
//  - blanks (space, tab) outside double quotes separate arguments;
//  - backslashes are literal unless a double quote follows them: 2n backslashes and a quote give
//    n backslashes and the quote opens or closes a quoted part; 2n+1 backslashes and a quote give
//    n backslashes and a literal quote;
//  - inside a quoted part, two double quotes give one literal quote and the part goes on (the rule
//    of the C runtimes since 2008);
//  - a quoted part may be empty ("" is an empty argument) and an unclosed one runs to the end.
// Blanks before the program are skipped.
CommandeDecoupee DecouperCommande(QStringView commande);

// The program a stored command line starts: the program of its launch command, so the whole line
// when it holds no double quote, else its first word without its quotes.
QString ProgrammeLigCom(const QString &ligCom);
