#pragma once

#include "logic/Disposition.h"

struct TBoutonTiroir;
class TBarreDlg;

// Gives a strip the arrow of its drawer's state for the current orientation.
void MarquerTiroir(TBoutonTiroir *t, EtatTiroir etat);

// Hides a drawer bar and turns its strip's arrow back to closed: the automatic hiding after a
// launch from that drawer.
void CacherTiroir(TBarreDlg *tiroir);
