#include "platform/Navigateur.h"
#include "platform/Revelateur.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

// A file manager started on demand by the bus may take a few seconds to answer its first call.
constexpr std::chrono::milliseconds DelaiGestionnaire{5000};

void ouvrirDossier(const QString &fichier) {
    ouvrirUrl(QUrl::fromLocalFile(QFileInfo(fichier).absolutePath()));
}

} // namespace

void reveler(const QString &fichier) {
    reveler(fichier, QDBusConnection::sessionBus(), DelaiGestionnaire);
}

void reveler(const QString &fichier, const QDBusConnection &bus, std::chrono::milliseconds delai) {
    if (fichier.isEmpty())
        return;
    if (!bus.isConnected()) {
        ouvrirDossier(fichier);
        return;
    }
    QDBusMessage appel = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // File managers take the address as the URI rules write it: spaces and accents encoded.
    appel << QStringList{QString::fromLatin1(QUrl::fromLocalFile(fichier).toEncoded())}
          << QString();
    auto *attente = new QDBusPendingCallWatcher(bus.asyncCall(appel, int(delai.count())),
                                                QCoreApplication::instance());
    QObject::connect(attente, &QDBusPendingCallWatcher::finished, attente,
                     [fichier](QDBusPendingCallWatcher *a) {
                         if (a->isError())
                             ouvrirDossier(fichier);
                         a->deleteLater();
                     });
}

} // namespace platform
