// A file manager of the tests on the session bus: registers org.freedesktop.FileManager1 and
// answers ShowItems by writing the addresses and the start-up id, one per line, into the file named
// by TRESSOLA_TEMOIN.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QTimer>

class GestionnaireTemoin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public Q_SLOTS:
    void ShowItems(const QStringList &adresses, const QString &idDemarrage) {
        const QString chemin = qEnvironmentVariable("TRESSOLA_TEMOIN");
        QFile f(chemin + QStringLiteral(".part"));
        if (f.open(QIODevice::WriteOnly)) {
            f.write((adresses.join(u'\n') + u'\n' + idDemarrage + u'\n').toUtf8());
            f.close();
            QFile::rename(f.fileName(), chemin);
        }
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    GestionnaireTemoin gestionnaire;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &gestionnaire,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.FileManager1")))
        return 1;
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}

#include "gestionnaire_temoin.moc"
