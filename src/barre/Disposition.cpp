#include "barre/Disposition.h"

#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "logic/Dimensions.h"

void Arranger(TBarreDlg *barre) {
    int gauche = Marge;
    TBoutonTiroir *t = barre->ListeTiroirs;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) {
        r->Bouton->move(gauche, Marge + TailleTiroir + Espace);
        if (t) {
            t->Bouton->setGeometry(gauche, Marge, TailleBouton, TailleTiroir);
            t = t->Suivant;
        }
        gauche += TailleBouton + Espace;
    });
    barre->resize(gauche - Espace + Marge, Marge + TailleTiroir + Espace + TailleBouton + Marge);
}
