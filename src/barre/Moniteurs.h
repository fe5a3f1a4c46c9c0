#pragma once

#include "logic/Moniteurs.h"

class TBarreDlg;

// The monitors of the desk as the bars' arithmetic takes them, the primary first.
QList<Moniteur> MoniteursDuBureau();

// Brings the main bar back onto the desk when the monitor it stood on has gone: onto the nearest
// monitor left, inside its work area. Its drawers follow; nothing is written.
void RamenerSurLesMoniteurs();

// Acts on every change of the desk's monitors for as long as the main bar lives.
void SuivreMoniteurs(TBarreDlg *barrePrincipale);
