#include "platform/icones/LecteurImage.h"

#include "platform/icones/Choix.h"

#include <QBuffer>
#include <QImageReader>

namespace platform::icones {

namespace {

// 16 megapixels: larger than any picture meant as an icon, small enough to decode at once.
constexpr qint64 pixelsMaximum = qint64(4096) * 4096;

bool vectoriel(const QByteArray &format) {
    return format == "svg" || format == "svgz";
}

bool formatAccepte(const QByteArray &format) {
    return format == "bmp" || format == "png" || format == "xpm" || vectoriel(format);
}

} // namespace

QImage imageQt(QByteArrayView contenu, int cote) {
    QByteArray octets = QByteArray::fromRawData(contenu.data(), contenu.size());
    QBuffer tampon(&octets);
    if (!tampon.open(QIODevice::ReadOnly))
        return {};
    QImageReader lecteur(&tampon);
    const QByteArray format = lecteur.format();
    if (!formatAccepte(format))
        return {};
    const QSize taille = lecteur.size();
    if (vectoriel(format)) {
        // Drawn straight at the size of an icon, whatever size the drawing claims.
        lecteur.setScaledSize(
            taille.isValid() && !taille.isEmpty()
                ? taille.scaled(cote, cote, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))
                : QSize(cote, cote));
    } else if (taille.isValid() && qint64(taille.width()) * taille.height() > pixelsMaximum) {
        return {};
    }
    const QImage image = lecteur.read();
    if (image.isNull() || qint64(image.width()) * image.height() > pixelsMaximum)
        return {};
    return enIcone(image, cote);
}

} // namespace platform::icones
