#include "platform/icones/Theme.h"

#include "platform/icones/Choix.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

namespace platform::icones {

QImage imageTheme(const QString &nom, int cote) {
    if (nom.isEmpty() || nom.contains(u'/') ||
        !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return {};
    const QIcon icone = QIcon::fromTheme(nom);
    if (icone.isNull())
        return {};
    // At one device pixel per pixel: the icon is drawn into a glyph of that many pixels.
    return enIcone(icone.pixmap(QSize(cote, cote), 1.0).toImage(), cote);
}

} // namespace platform::icones
