#include "platform/iconExport.h"

#include "platform/icones/Choix.h"
#include "platform/icones/Ecriture.h"

#include <QPainter>
#include <QSaveFile>

using namespace platform::icones;

namespace {

bool echec(QString *error, const QString &raison) {
    if (error)
        *error = raison;
    return false;
}

bool ecrire(const QByteArray &contenu, const QString &file, QString *error) {
    QSaveFile fichier(file);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
        fichier.commit())
        return true;
    return echec(error, fichier.errorString());
}

// The icon drawn on a cleared bitmap of the size of an icon.
QImage rendu(const QImage &icon) {
    // Drawing onto transparency changes nothing: an icon of the right size is taken as it is,
    // which keeps its half-transparent pixels exact.
    if (icon.size() == QSize(coteIcone, coteIcone))
        return icon.convertToFormat(QImage::Format_ARGB32);
    QImage image(coteIcone, coteIcone, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.drawImage(0, 0, icon);
    return image;
}

} // namespace

bool saveIconAsBmp(const QImage &icon, const QString &file, QString *error) {
    if (icon.isNull())
        return echec(error, QStringLiteral("Pas d'icône à enregistrer"));
    return ecrire(fichierBmp(rendu(icon)), file, error);
}

bool saveIconAsIco(const QImage &icon, const QString &file, QString *error) {
    if (icon.isNull())
        return echec(error, QStringLiteral("Pas d'icône à enregistrer"));
    const QByteArray contenu = fichierIco(icon);
    if (contenu.isEmpty())
        return echec(error, QStringLiteral("Icône trop grande pour un fichier .ico"));
    return ecrire(contenu, file, error);
}
