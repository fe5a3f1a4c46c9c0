#include "barre/Fleches.h"

#include "barre/TBarreDlg.h"

#include <QPoint>
#include <initializer_list>

namespace {

struct Trait { // a run of black pixels along a row (horizontal) or a column
    bool horizontal;
    int ligneOuColonne;
    int debut;
    int fin;
};

QImage tracer(int largeur, int hauteur, std::initializer_list<Trait> traits) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const Trait &t : traits)
        for (int i = t.debut; i <= t.fin; ++i)
            image.setPixel(t.horizontal ? QPoint(i, t.ligneOuColonne) : QPoint(t.ligneOuColonne, i),
                           qRgb(0, 0, 0));
    return image;
}

// A single pixel at (column x, row y).
Trait point(int x, int y) {
    return {true, y, x, x};
}

} // namespace

QImage DessinerFleche(Fleche fleche) {
    switch (fleche) {
    case Fleche::FlecheHaut:
        return tracer(
            14, 10,
            {point(6, 3), point(5, 4), point(7, 4), point(4, 5), point(8, 5), {true, 6, 3, 9}});
    case Fleche::FlecheBas:
        return tracer(
            14, 10,
            {{true, 3, 3, 9}, point(4, 4), point(8, 4), point(5, 5), point(7, 5), point(6, 6)});
    case Fleche::FlecheDroite:
        return tracer(
            10, 10,
            {{false, 3, 1, 7}, point(4, 2), point(5, 3), point(6, 4), point(5, 5), point(4, 6)});
    case Fleche::FlecheGauche:
        return tracer(
            10, 10,
            {{false, 6, 1, 7}, point(5, 2), point(4, 3), point(3, 4), point(4, 5), point(5, 6)});
    case Fleche::Aucune:
        break;
    }
    return {};
}

QPixmap PixmapFleche(Fleche fleche, qreal ratio) {
    const QImage image = DessinerFleche(fleche);
    if (image.isNull() || ratio <= 1)
        return QPixmap::fromImage(image);
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap GlypheFleche(const TBarreDlg *barrePrincipale, Fleche fleche) {
    switch (fleche) {
    case Fleche::FlecheHaut:
        return barrePrincipale->FlecheHaut;
    case Fleche::FlecheBas:
        return barrePrincipale->FlecheBas;
    case Fleche::FlecheDroite:
        return barrePrincipale->FlecheDroite;
    case Fleche::FlecheGauche:
        return barrePrincipale->FlecheGauche;
    case Fleche::Aucune:
        break;
    }
    return {};
}
