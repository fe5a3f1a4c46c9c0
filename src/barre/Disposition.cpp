#include "barre/Disposition.h"

#include "barre/Moniteurs.h"
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

namespace {

// The drawer rule, then the drawer moved off the edge between two monitors when it fits on one.
QPoint PlaceDuTiroir(const QRect &bande, const QRect &barrePrincipale, QSize taille) {
    const QPoint regle = PositionTiroir(bande, barrePrincipale, taille, G.Orientation);
    return TiroirSurUnMoniteur(MoniteursDuBureau(), QRect(regle, taille));
}

} // namespace

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
        // The far edges are those of the monitor that holds the bar; on the primary one, the size
        // read when the program started, as for the icon chooser.
        const QList<Moniteur> moniteurs = MoniteursDuBureau();
        QRect ecran = EcranDeLaBarre(moniteurs, QRect(barre->pos(), *d.taille),
                                     QRect(0, 0, G.LargeurEcran, G.HauteurEcran));
        if (!moniteurs.isEmpty() && ecran == moniteurs.constFirst().ecran && G.LargeurEcran > 0)
            ecran.setSize(QSize(G.LargeurEcran, G.HauteurEcran));
        barre->move(CorrigerBordLointain(barre->pos() - ecran.topLeft(), *d.taille, G.Orientation,
                                         ecran.size()) +
                    ecran.topLeft());
    } else if (barre->Tiroir && barre->Tiroir->Bouton && G.BarreDlg) {
        barre->move(
            PlaceDuTiroir(barre->Tiroir->Bouton->geometry(), G.BarreDlg->geometry(), *d.taille));
    }
}

void PlacerTiroirs() {
    TBarreDlg *principale = G.BarreDlg;
    if (!principale)
        return;
    PourChaque(principale->ListeTiroirs, [&](TBoutonTiroir *t) {
        if (t->Barre && t->Bouton)
            t->Barre->move(
                PlaceDuTiroir(t->Bouton->geometry(), principale->geometry(), t->Barre->size()));
    });
}

void PlacerAuLancement() {
    TBarreDlg *principale = G.BarreDlg;
    const QSize ecran(G.LargeurEcran, G.HauteurEcran);
    const QRect panneau = platform::rectanglePanneau();
    const PlacementLancement p =
        PositionAuLancement(G.Position, G.PosX, G.PosY, principale->size(), ecran,
                            BordDuPanneau(panneau, QRect(QPoint(), ecran)), panneau);
    QPoint ici(p.gauche.value_or(principale->x()), p.haut.value_or(principale->y()));
    // A saved place on a monitor that is gone, or off every monitor, would leave the bar out of
    // reach: it goes to the nearest monitor instead, and the saved place is kept for the day that
    // monitor is back.
    if (G.Position == 4)
        ici = PlaceSurLesMoniteurs(MoniteursDuBureau(), QRect(ici, principale->size()));
    principale->move(ici);
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
