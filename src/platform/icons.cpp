#include "platform/icons.h"

#include <QImageReader>

// Images that Qt reads, .ico files included, count as one icon each.

int iconCount(const QString &file) {
    QImageReader lecteur(file);
    return lecteur.canRead() ? 1 : 0;
}

QImage iconImage(const QString &file, int index) {
    if (index != 0)
        return {};
    QImageReader lecteur(file);
    lecteur.setAutoTransform(true);
    QImage image = lecteur.read();
    if (image.isNull())
        return {};
    return image.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
