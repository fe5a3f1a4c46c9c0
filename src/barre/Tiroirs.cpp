#include "barre/Tiroirs.h"

#include "barre/Disposition.h"
#include "barre/Enregistrements.h"
#include "barre/Fleches.h"
#include "barre/Reglages.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "logic/Dimensions.h"

#include <QAction>
#include <QCursor>

void MarquerTiroir(TBoutonTiroir *t, EtatTiroir etat) {
    if (FlechesTiroirs && t->Bouton)
        t->Bouton->setIcon(GlypheFleche(G.BarreDlg, FlecheTiroir(true, etat, G.Orientation)));
}

void CacherTiroir(TBarreDlg *tiroir) {
    tiroir->hide();
    tiroir->Tag = 1;
    if (tiroir->Tiroir)
        MarquerTiroir(tiroir->Tiroir, EtatTiroir::Ferme);
}

void TBarreDlg::TiroirClick() {
    TBoutonTiroir *t = TiroirDuControle(this, focusWidget());
    if (!t)
        return;
    if (!t->Barre) {
        // Whether a drawer holds buttons is always read from the board file, never from memory.
        if (NombreTiroir(t->NomSection) <= 0)
            return;
        G.TiroirEnCours = t;
        TBarreDlg::Creer(t->Barre);
        t->Barre->raise();
        t->Barre->Tag = 0;
        MarquerTiroir(t, EtatTiroir::Ouvert);
        AppliquerPremierPlan(G.BarreDlg);
    } else if (t->Barre->Tag == 1) {
        // A hidden drawer was kept laid out and placed: it shows as it is.
        t->Barre->show();
        t->Barre->raise();
        t->Barre->Tag = 0;
        MarquerTiroir(t, EtatTiroir::Ouvert);
    } else {
        CacherTiroir(t->Barre);
    }
}

void TBarreDlg::PopupMenuTiroirsPopup() {
    const QPoint point = QCursor::pos() - pos();
    QList<QRect> bandes;
    QList<TBoutonTiroir *> tiroirs;
    PourChaque(ListeTiroirs, [&](TBoutonTiroir *t) {
        if (t->Bouton) {
            bandes.append(t->Bouton->geometry());
            tiroirs.append(t);
        }
    });
    const qsizetype i = IndiceEnPoint(bandes, point);
    if (i < 0)
        return;
    tiroirs[i]->Bouton->setFocus();
    ActiverMenuTiroirs(tiroirs[i]);
}

void TBarreDlg::ActiverMenuTiroirs(const TBoutonTiroir *t) {
    // Whether the drawer holds buttons is read from the board file at the moment of use.
    const bool plein = NombreTiroir(t->NomSection) > 0;
    InsererPremier->setEnabled(!plein);
    OuvrirFermer->setEnabled(plein);
}

void TBarreDlg::Fermetureautomatiquedestiroirs1Click() {
    ChangerReglages([] { G.FermetureAuto = !G.FermetureAuto; });
}
