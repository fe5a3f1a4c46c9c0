#include "barre/Disposition.h"

#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "logic/Dimensions.h"
#include "logic/Disposition.h"
#include "platform/BarreDesTaches.h"
#include "platform/Ecran.h"

#include <QWindow>

void Arranger(TBarreDlg *barre) {
    const DispositionBarre d =
        DisposerBarre(Longueur(barre->Liste), G.Orientation, barre->EstPrincipale);
    qsizetype i = 0;
    TBoutonTiroir *t = barre->ListeTiroirs;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) {
        if (i < d.boutons.size() && r->Bouton)
            r->Bouton->move(d.boutons[i].topLeft());
        if (t) {
            if (i < d.bandes.size() && t->Bouton)
                t->Bouton->setGeometry(d.bandes[i]);
            t = t->Suivant;
        }
        ++i;
    });
    if (!d.taille)
        return;
    barre->resize(*d.taille);
    if (barre->EstPrincipale) {
        barre->move(CorrigerBordLointain(barre->pos(), *d.taille, G.Orientation,
                                         QSize(G.LargeurEcran, G.HauteurEcran)));
    } else if (barre->Tiroir && barre->Tiroir->Bouton && G.BarreDlg) {
        barre->move(PositionTiroir(barre->Tiroir->Bouton->geometry(), G.BarreDlg->geometry(),
                                   *d.taille, G.Orientation));
    }
}

void PlacerTiroirs() {
    TBarreDlg *principale = G.BarreDlg;
    if (!principale)
        return;
    PourChaque(principale->ListeTiroirs, [&](TBoutonTiroir *t) {
        if (t->Barre && t->Bouton)
            t->Barre->move(PositionTiroir(t->Bouton->geometry(), principale->geometry(),
                                          t->Barre->size(), G.Orientation));
    });
}

void PlacerAuLancement() {
    TBarreDlg *principale = G.BarreDlg;
    const QSize ecran(G.LargeurEcran, G.HauteurEcran);
    const QRect panneau = platform::rectanglePanneau();
    const PlacementLancement p =
        PositionAuLancement(G.Position, G.PosX, G.PosY, principale->size(), ecran,
                            BordDuPanneau(panneau, QRect(QPoint(), ecran)), panneau);
    principale->move(p.gauche.value_or(principale->x()), p.haut.value_or(principale->y()));
}

void AppliquerPremierPlan(TBarreDlg *) {
    TBarreDlg *principale = G.BarreDlg;
    if (principale->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == G.StayOnTop)
        return;
    // Set through the widget, the style would give the bar a new window: the drawers would stay
    // tied to the old one and the taskbar would list the bar. The window is kept and told.
    principale->overrideWindowFlags(
        principale->windowFlags().setFlag(Qt::WindowStaysOnTopHint, G.StayOnTop));
    if (QWindow *fenetre = principale->windowHandle())
        platform::garderAuDessus(fenetre, G.StayOnTop);
}

void ArrangerTiroirs() {
    PourChaque(G.BarreDlg->ListeTiroirs, [](TBoutonTiroir *t) {
        if (t->Barre)
            Arranger(t->Barre);
        if (NombreTiroir(t->NomSection) > 0)
            MarquerTiroir(t,
                          t->Barre && t->Barre->Tag != 1 ? EtatTiroir::Ouvert : EtatTiroir::Ferme);
    });
}
