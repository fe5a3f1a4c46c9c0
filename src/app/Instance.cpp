#include "app/Instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <unistd.h>

namespace {

constexpr int attenteMs = 2000;

// The user's runtime folder keeps one user's copies from meeting another's; the board's path,
// made absolute and free of links, tells boards apart.
QString NomSocket(const QString &tableau) {
    const QFileInfo info(tableau);
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString complet =
        (dossier.isEmpty() ? info.absolutePath() : dossier) + u'/' + info.fileName();
    const QByteArray empreinte =
        QCryptographicHash::hash(complet.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    const QString rep = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!rep.isEmpty())
        return rep + QStringLiteral("/tressola-") + QString::fromLatin1(empreinte);
    // Without a runtime folder, the shared temporary folder, with the user in the name.
    return QDir::tempPath() + QStringLiteral("/tressola-%1-").arg(getuid()) +
           QString::fromLatin1(empreinte);
}

} // namespace

Instance::Instance(const QString &tableau)
    : nom_(NomSocket(tableau)), verrou_(nom_ + QStringLiteral(".verrou")) {}

bool Instance::ConfierALaCopieOuverte() {
    // Two starts at once must not both find nobody and both listen.
    verrou_.lock();
    QLocalSocket client;
    client.connectToServer(nom_);
    if (client.waitForConnected(attenteMs)) {
        client.write("montrer\n");
        client.waitForBytesWritten(attenteMs);
        // The running copy closes the connection once it has brought its bar forward.
        client.waitForDisconnected(attenteMs);
        verrou_.unlock();
        return true;
    }
    // Nobody answers: a socket file left by a copy that crashed is taken over.
    QLocalServer::removeServer(nom_);
    serveur_.setSocketOptions(QLocalServer::UserAccessOption);
    serveur_.listen(nom_);
    verrou_.unlock();
    return false;
}

void Instance::QuandRedemande(std::function<void()> ramener) {
    QObject::connect(&serveur_, &QLocalServer::newConnection, &serveur_, [this, ramener] {
        while (QLocalSocket *client = serveur_.nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::readyRead, client, [client, ramener] {
                if (!client->canReadLine())
                    return;
                ramener();
                client->disconnectFromServer();
            });
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
}
