#include "logic/Disposition.h"

#include "logic/Dimensions.h"

namespace {

constexpr int Pas = TailleBouton + Espace; // from one button to the next

QRect Bouton(int gauche, int haut) {
    return QRect(gauche, haut, TailleBouton, TailleBouton);
}

// Excluded right and bottom of a rectangle, as the desktop gives a window's rectangle.
int DroiteExclue(const QRect &r) {
    return r.x() + r.width();
}
int BasExclu(const QRect &r) {
    return r.y() + r.height();
}

} // namespace

DispositionBarre DisposerBarre(qsizetype nombre, quint8 orientation, bool estPrincipale) {
    DispositionBarre d;
    if (nombre <= 0 || (estPrincipale && orientation != 0 && orientation != 1))
        return d;

    const int n = int(nombre);
    for (int i = 0; i < n; ++i) {
        if (estPrincipale && orientation == 0) {
            const QRect b = Bouton(Marge + i * Pas, Marge + TailleTiroir + Espace);
            d.boutons.append(b);
            d.bandes.append(QRect(b.x(), Marge, TailleBouton, TailleTiroir));
        } else if (estPrincipale) {
            const QRect b = Bouton(Marge, Marge + i * Pas);
            d.boutons.append(b);
            d.bandes.append(
                QRect(Marge + TailleBouton + Espace, b.y(), TailleTiroir, TailleBouton));
        } else if (orientation == 0) {
            // A column whose first button is at the bottom, next to the main bar.
            d.boutons.append(Bouton(Marge, (n - 1 - i) * Pas + Marge));
        } else {
            d.boutons.append(Bouton(Marge + i * Pas, Marge));
        }
    }

    const QRect &premier = d.boutons.first();
    const QRect &dernier = d.boutons.last();
    if (orientation == 0) {
        d.taille = QSize(dernier.x() + TailleBouton + Marge, premier.y() + TailleBouton + Marge);
    } else if (orientation == 1) {
        const int largeur = estPrincipale ? DroiteExclue(d.bandes.first()) + Marge
                                          : dernier.x() + TailleBouton + Marge;
        d.taille = QSize(largeur, dernier.y() + TailleBouton + Marge);
    }
    return d;
}

QPoint CorrigerBordLointain(QPoint hautGauche, QSize taille, quint8 orientation, QSize ecran) {
    QPoint p = hautGauche;
    if (orientation == 0 && p.x() + taille.width() > ecran.width())
        p.setX(ecran.width() - taille.width());
    else if (orientation == 1 && p.y() + taille.height() > ecran.height())
        p.setY(ecran.height() - taille.height());
    return p;
}

QPoint PositionTiroir(const QRect &bande, const QRect &barrePrincipale, QSize tailleTiroir,
                      quint8 orientation) {
    if (orientation == 0)
        return QPoint(bande.x() + barrePrincipale.x() - Marge,
                      barrePrincipale.y() - tailleTiroir.height());
    return QPoint(DroiteExclue(barrePrincipale), bande.y() + barrePrincipale.y() - Marge);
}

BordPanneau BordDuPanneau(const QRect &panneau, const QRect &ecran) {
    if (panneau.isEmpty())
        return BordPanneau::Aucun;
    if (panneau.width() > panneau.height())
        return panneau.y() <= ecran.y() ? BordPanneau::Haut : BordPanneau::Bas;
    return panneau.x() <= ecran.x() ? BordPanneau::Gauche : BordPanneau::Droite;
}

PlacementLancement PositionAuLancement(quint8 position, int posX, int posY, QSize barre,
                                       QSize ecran, BordPanneau bord, const QRect &panneau) {
    PlacementLancement p;
    switch (position) {
    case 0:
        p.haut = bord == BordPanneau::Haut ? BasExclu(panneau) : 0;
        break;
    case 1:
    case 2:
    case 3:
        p.haut = bord == BordPanneau::Bas ? panneau.y() - barre.height()
                                          : ecran.height() - barre.height();
        break;
    case 4:
        p.haut = posY;
        break;
    default:
        break;
    }
    switch (position) {
    case 0:
    case 1:
        p.gauche = bord == BordPanneau::Gauche ? DroiteExclue(panneau) : 0;
        break;
    case 2:
        p.gauche = bord == BordPanneau::Droite ? panneau.x() - barre.width()
                                               : ecran.width() - barre.width();
        break;
    case 3:
        // C++ division truncates toward zero, as the centring wants for a bar wider than the
        // screen.
        p.gauche = (ecran.width() - barre.width()) / 2;
        break;
    case 4:
        p.gauche = posX;
        break;
    default:
        break;
    }
    return p;
}

Fleche FlecheTiroir(bool nonVide, EtatTiroir etat, quint8 orientation) {
    if (!nonVide)
        return Fleche::Aucune;
    const bool ouvert = etat == EtatTiroir::Ouvert;
    if (orientation == 0)
        return ouvert ? Fleche::FlecheBas : Fleche::FlecheHaut;
    return ouvert ? Fleche::FlecheGauche : Fleche::FlecheDroite;
}

CochesMenu CochesMenuBarre(quint8 orientation, quint8 position, bool stayOnTop,
                           bool fermetureAuto) {
    CochesMenu c;
    c.Horizontal = orientation == 0;
    c.Vertical = !c.Horizontal;
    c.hg = position == 0;
    c.bg = position == 1;
    c.bd = position == 2;
    c.bm = position == 3;
    c.Quelconque = position == 4;
    c.StayOnTop = stayOnTop;
    c.Fermetureautomatiquedestiroirs1 = fermetureAuto;
    return c;
}

qsizetype IndiceEnPoint(const QList<QRect> &rectangles, QPoint point) {
    for (qsizetype i = 0; i < rectangles.size(); ++i) {
        const QRect &r = rectangles.at(i);
        if (point.x() >= r.x() && point.x() <= DroiteExclue(r) && point.y() >= r.y() &&
            point.y() <= BasExclu(r))
            return i;
    }
    return -1;
}
