#pragma once

#include "board/TIniFile.h"
#include "board/ValeursProfil.h"

#include <QList>
#include <QString>
#include <QStringList>

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
// defaults (a missing Position gives the top left corner). Raises LectureImpossible when the
// file cannot be read.
void LireReglages();

// True when the section is reserved or holds buttons: NombreTiroir is not -1.
bool SectionUtilisee(const QString &section);

// How many buttons a drawer section holds, the one count that decides its arrow, its opening and
// its bar: Nombre when it is a sane count, else the number of buttons whose keys are present.
// With no button keys, -1 for a free section (no Nombre) and 0 for a damaged count.
int NombreTiroir(const QString &section);

// Reserves the first free drawer section name (SECTION0, SECTION1, ...) that none of the names
// held by the main bar's slots already takes, by writing Nombre=0 into it.
QString ReserverSection(const QStringList &nomsTenus);

// True for a value that the board file would give back cut: such a value is refused where the
// user gives it, before it enters a bar.
inline bool ValeurTropLongue(const QString &valeur) {
    return valeur.size() > longueurMaxValeur;
}

// The buttons of a bar's section as circular lists; on the main bar, a drawer record for each.
struct ListesBarre {
    TBoutonAppli *Liste = nullptr;
    TBoutonTiroir *ListeTiroirs = nullptr;
    TIniFile::Entrees Reste; // keys of indexes the bar does not show
};
ListesBarre LireBoutons(const QString &section, bool principale);

// The stored indexes that make a bar's buttons, in bar order: 0 to Nombre - 1 when Nombre is a
// sane count; when it is missing, not an integer, negative or huge, the indexes that hold button
// keys, so that a damaged count can neither drop stored buttons nor make the program build
// millions.
QList<int> IndicesBoutons(const TIniFile &ini, const QString &section);

// Rewrites a bar's section from its lists, in one replacement of the file. The drawer list is
// walked in step with the application list when it is given. The keys the bar left aside at
// loading follow, unless the bar now uses their index.
void EcrireBoutons(const QString &section, const TBoutonAppli *liste,
                   const TBoutonTiroir *listeTiroirs, const TIniFile::Entrees &reste = {});
