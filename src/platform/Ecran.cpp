#include "platform/Ecran.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QSize tailleEcran() {
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->geometry().size() : QSize();
}

QRect rectanglePanneau() {
    const QScreen *ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return {};
    const QRect tout = ecran->geometry();
    const QRect travail = ecran->availableGeometry();
    if (travail == tout)
        return {};
    // The panel lies along the edge where the work area falls short of the screen.
    if (travail.top() > tout.top())
        return QRect(tout.left(), tout.top(), tout.width(), travail.top() - tout.top());
    if (travail.bottom() < tout.bottom())
        return QRect(tout.left(), travail.bottom() + 1, tout.width(),
                     tout.bottom() - travail.bottom());
    if (travail.left() > tout.left())
        return QRect(tout.left(), tout.top(), travail.left() - tout.left(), tout.height());
    return QRect(travail.right() + 1, tout.top(), tout.right() - travail.right(), tout.height());
}

} // namespace platform
