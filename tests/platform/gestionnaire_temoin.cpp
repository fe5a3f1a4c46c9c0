// A file manager of the tests on the session bus: registers org.freedesktop.FileManager1 and
// answers ShowItems by writing the addresses and the start-up id, one per line, into the file named
// by TRESSOLA_TEMOIN. Its one argument chooses how it answers: "ok" (the default), "erreur" (an
// error reply) or "muet" (never).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QTimer>

class GestionnaireTemoin : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit GestionnaireTemoin(QString mode) : mode_(std::move(mode)) {}

public Q_SLOTS:
    void ShowItems(const QStringList &adresses, const QString &idDemarrage) {
        if (mode_ == QStringLiteral("erreur")) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refusé"));
            return;
        }
        if (mode_ == QStringLiteral("muet")) {
            setDelayedReply(true);
            return;
        }
        const QString chemin = qEnvironmentVariable("TRESSOLA_TEMOIN");
        QFile f(chemin + QStringLiteral(".part"));
        if (f.open(QIODevice::WriteOnly)) {
            f.write((adresses.join(u'\n') + u'\n' + idDemarrage + u'\n').toUtf8());
            f.close();
            QFile::rename(f.fileName(), chemin);
        }
    }

private:
    QString mode_;
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    GestionnaireTemoin gestionnaire(app.arguments().value(1, QStringLiteral("ok")));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &gestionnaire,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.FileManager1")))
        return 1;
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}

#include "gestionnaire_temoin.moc"
