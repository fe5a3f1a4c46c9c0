#include "platform/Ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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

QList<Moniteur> moniteurs() {
    QList<Moniteur> liste;
    const QScreen *primaire = QGuiApplication::primaryScreen();
    if (primaire)
        liste.append({primaire->geometry(), primaire->availableGeometry()});
    for (const QScreen *ecran : QGuiApplication::screens())
        if (ecran != primaire)
            liste.append({ecran->geometry(), ecran->availableGeometry()});
    return liste;
}

namespace {

void suivreEcran(QScreen *ecran, QObject *contexte, const std::function<void()> &signaler) {
    QObject::connect(ecran, &QScreen::geometryChanged, contexte, signaler);
    QObject::connect(ecran, &QScreen::availableGeometryChanged, contexte, signaler);
}

} // namespace

void suivreMoniteurs(QObject *contexte, std::function<void()> changement) {
    // The screens are told one by one and the window manager moves windows of a lost monitor
    // by itself: the change is acted on once the event loop is idle again.
    auto *attente = new QTimer(contexte);
    attente->setSingleShot(true);
    attente->setInterval(0);
    QObject::connect(attente, &QTimer::timeout, contexte, std::move(changement));
    const std::function<void()> signaler = [attente] { attente->start(); };
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application)
        return;
    for (QScreen *ecran : QGuiApplication::screens())
        suivreEcran(ecran, contexte, signaler);
    QObject::connect(application, &QGuiApplication::screenAdded, contexte,
                     [contexte, signaler](QScreen *ecran) {
                         suivreEcran(ecran, contexte, signaler);
                         signaler();
                     });
    QObject::connect(application, &QGuiApplication::screenRemoved, contexte, signaler);
}

} // namespace platform
