#include "barre/Moniteurs.h"

#include "barre/Disposition.h"
#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "platform/Ecran.h"

QList<Moniteur> MoniteursDuBureau() {
    QList<Moniteur> liste;
    for (const platform::Moniteur &m : platform::moniteurs())
        liste.append({m.ecran, m.travail});
    return liste;
}

void RamenerSurLesMoniteurs() {
    TBarreDlg *principale = G.BarreDlg;
    if (!principale)
        return;
    // Moving the bar places its drawers again (its move handler); a bar that stays where it is
    // still has them checked, since a monitor that went may have held one of them.
    const QPoint ici = PlaceSurLesMoniteurs(MoniteursDuBureau(), principale->geometry());
    if (ici != principale->pos())
        principale->move(ici);
    else
        PlacerTiroirs();
}

void SuivreMoniteurs(TBarreDlg *barrePrincipale) {
    platform::suivreMoniteurs(barrePrincipale, RamenerSurLesMoniteurs);
}
