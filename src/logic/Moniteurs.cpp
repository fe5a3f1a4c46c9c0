#include "logic/Moniteurs.h"

#include <algorithm>

namespace {

qint64 Aire(const QRect &r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// Square of the distance between two rectangles; 0 when they meet.
qint64 Distance2(const QRect &a, const QRect &b) {
    const qint64 dx = std::max({0, b.x() - (a.x() + a.width()), a.x() - (b.x() + b.width())});
    const qint64 dy = std::max({0, b.y() - (a.y() + a.height()), a.y() - (b.y() + b.height())});
    return dx * dx + dy * dy;
}

} // namespace

qsizetype MoniteurDeFenetre(const QList<Moniteur> &moniteurs, const QRect &fenetre) {
    qsizetype choisi = -1;
    qint64 meilleure = 0;
    for (qsizetype i = 0; i < moniteurs.size(); ++i) {
        const qint64 aire = Aire(moniteurs[i].ecran.intersected(fenetre));
        if (aire > meilleure) {
            meilleure = aire;
            choisi = i;
        }
    }
    return choisi;
}

qsizetype MoniteurLePlusProche(const QList<Moniteur> &moniteurs, const QRect &fenetre) {
    const qsizetype dessous = MoniteurDeFenetre(moniteurs, fenetre);
    if (dessous >= 0)
        return dessous;
    qsizetype choisi = -1;
    qint64 meilleure = 0;
    for (qsizetype i = 0; i < moniteurs.size(); ++i) {
        const qint64 d = Distance2(moniteurs[i].ecran, fenetre);
        if (choisi < 0 || d < meilleure) {
            meilleure = d;
            choisi = i;
        }
    }
    return choisi;
}

QPoint RamenerDans(const QRect &fenetre, const QRect &zone) {
    QPoint p = fenetre.topLeft();
    p.setX(std::max(std::min(p.x(), zone.x() + zone.width() - fenetre.width()), zone.x()));
    p.setY(std::max(std::min(p.y(), zone.y() + zone.height() - fenetre.height()), zone.y()));
    return p;
}

QPoint PlaceSurLesMoniteurs(const QList<Moniteur> &moniteurs, const QRect &barre) {
    if (MoniteurDeFenetre(moniteurs, barre) >= 0)
        return barre.topLeft();
    const qsizetype proche = MoniteurLePlusProche(moniteurs, barre);
    return proche < 0 ? barre.topLeft() : RamenerDans(barre, moniteurs[proche].travail);
}

QPoint PlaceApresChangement(const QList<Moniteur> &moniteurs, const QRect &barre) {
    qint64 vue = 0;
    for (const Moniteur &m : moniteurs)
        vue += Aire(m.ecran.intersected(barre));
    const qsizetype proche = MoniteurLePlusProche(moniteurs, barre);
    if (vue >= Aire(barre) || proche < 0)
        return barre.topLeft();
    return RamenerDans(barre, moniteurs[proche].travail);
}

QRect EcranDeLaBarre(const QList<Moniteur> &moniteurs, const QRect &barre, const QRect &defaut) {
    const qsizetype i = MoniteurLePlusProche(moniteurs, barre);
    return i < 0 ? defaut : moniteurs[i].ecran;
}

QPoint TiroirSurUnMoniteur(const QList<Moniteur> &moniteurs, const QRect &tiroir) {
    int touches = 0;
    qsizetype choisi = -1;
    qint64 meilleure = 0;
    for (qsizetype i = 0; i < moniteurs.size(); ++i) {
        const QRect &e = moniteurs[i].ecran;
        const qint64 aire = Aire(e.intersected(tiroir));
        if (aire == 0)
            continue;
        ++touches;
        if (tiroir.width() <= e.width() && tiroir.height() <= e.height() && aire > meilleure) {
            meilleure = aire;
            choisi = i;
        }
    }
    if (touches < 2 || choisi < 0)
        return tiroir.topLeft();
    return RamenerDans(tiroir, moniteurs[choisi].ecran);
}

int GaucheSurMoniteur(int gauche, int largeur, const QRect &ecran) {
    if (gauche + largeur >= ecran.x() + ecran.width())
        gauche = ecran.x() + ecran.width() - largeur;
    return std::max(gauche, ecran.x());
}
