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

// The raster formats read by Qt itself, told by their signature. Naming the format spares the
// reader from asking every image plugin whether it knows the content, which loads them all and
// their libraries.
QByteArray formatSigne(QByteArrayView contenu) {
    if (contenu.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (contenu.startsWith("BM"))
        return "bmp";
    if (contenu.startsWith("/* XPM"))
        return "xpm";
    return {};
}

} // namespace

QImage imageQt(QByteArrayView contenu, int cote) {
    QByteArray octets = QByteArray::fromRawData(contenu.data(), contenu.size());
    QBuffer tampon(&octets);
    if (!tampon.open(QIODevice::ReadOnly))
        return {};
    const QByteArray signe = formatSigne(contenu);
    QImageReader lecteur(&tampon, signe);
    lecteur.setAutoDetectImageFormat(signe.isEmpty());
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
