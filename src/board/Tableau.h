#pragma once

#include <QString>
#include <QStringList>

class TIniFile;
struct TBoutonAppli;
struct TBoutonTiroir;

// The board file: where it lives, its global settings and the sections of the bars.

inline const QString NomFichierTableau = QStringLiteral("TRESSOLA.INI");

// A board file already beside the executable is the one used. Otherwise an installed program keeps
// its board in the user's configuration directory, and one run from a folder of its own keeps it
// beside itself unless that folder cannot be written.
QString CheminTableau(const QString &repProgramme);

// Writes the six global settings of G into section TRESSOLA.
void SauverReglages();

// Reads the six global settings into G from an existing board file; missing keys give their
// defaults (a missing Position gives the top left corner).
void LireReglages();

// True when the section's Nombre, read with default -1, is not -1.
bool SectionUtilisee(const QString &section);

// Nombre of a drawer section, -1 when missing.
int NombreTiroir(const QString &section);

// Reserves the first free drawer section name (SECTION0, SECTION1, ...) that none of the names
// held by the main bar's slots already takes, by writing Nombre=0 into it.
QString ReserverSection(const QStringList &nomsTenus);

// The buttons of a bar's section as circular lists; on the main bar, a drawer record for each.
struct ListesBarre {
    TBoutonAppli *Liste = nullptr;
    TBoutonTiroir *ListeTiroirs = nullptr;
};
ListesBarre LireBoutons(const QString &section, bool principale);

// How many buttons a bar section holds, read so that a damaged count can neither drop stored
// buttons nor make the program build millions of them.
int NombreBoutons(const TIniFile &ini, const QString &section);

// Rewrites a bar's section from its lists, in one replacement of the file. The drawer list is
// walked in step with the application list when it is given.
void EcrireBoutons(const QString &section, const TBoutonAppli *liste,
                   const TBoutonTiroir *listeTiroirs);
