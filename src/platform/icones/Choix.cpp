#include "platform/icones/Choix.h"

#include <QPainter>

namespace platform::icones {

namespace {

enum class Categorie { Exacte, PlusGrande, PlusPetite };

Categorie categorie(const ApercuEntree &a, int cote) {
    if (a.largeur == cote && a.hauteur == cote)
        return Categorie::Exacte;
    if (a.largeur >= cote && a.hauteur >= cote)
        return Categorie::PlusGrande;
    return Categorie::PlusPetite;
}

// Whether a is a better fit than b.
bool meilleure(const ApercuEntree &a, const ApercuEntree &b, int cote) {
    const Categorie ca = categorie(a, cote);
    const Categorie cb = categorie(b, cote);
    if (ca != cb)
        return ca < cb;
    const qint64 aireA = qint64(a.largeur) * a.hauteur;
    const qint64 aireB = qint64(b.largeur) * b.hauteur;
    if (ca == Categorie::PlusGrande && aireA != aireB)
        return aireA < aireB;
    if (ca == Categorie::PlusPetite && aireA != aireB)
        return aireA > aireB;
    return a.profondeur > b.profondeur;
}

} // namespace

int meilleureEntree(const QList<std::optional<ApercuEntree>> &entrees, int cote) {
    int choisie = -1;
    for (int i = 0; i < entrees.size(); ++i)
        if (entrees[i] && (choisie < 0 || meilleure(*entrees[i], *entrees[choisie], cote)))
            choisie = i;
    return choisie;
}

QImage enIcone(const QImage &image, int cote) {
    if (image.isNull())
        return {};
    if (image.size() == QSize(cote, cote)) {
        QImage icone = image.convertToFormat(QImage::Format_ARGB32);
        nettoyerTransparence(icone);
        return icone;
    }
    // A very thin picture still keeps one pixel across.
    const QSize taille =
        image.size().scaled(cote, cote, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QImage reduite = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage icone(cote, cote, QImage::Format_ARGB32);
    if (icone.isNull() || reduite.isNull())
        return {};
    icone.fill(Qt::transparent);
    {
        QPainter peintre(&icone);
        peintre.setCompositionMode(QPainter::CompositionMode_Source);
        peintre.drawImage((cote - reduite.width()) / 2, (cote - reduite.height()) / 2, reduite);
    }
    nettoyerTransparence(icone);
    return icone;
}

} // namespace platform::icones
