#include "logic/LigneCommande.h"
#include "platform/Navigateur.h"
#include "platform/Processus.h"
#include "platform/Revelateur.h"

#include <QDBusConnection>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <csignal>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

static int zombies() {
    QProcess ps;
    ps.start(u"ps"_s, {u"-o"_s, u"stat="_s, u"--ppid"_s,
                       QString::number(QCoreApplication::applicationPid())});
    ps.waitForFinished();
    return int(ps.readAllStandardOutput().count('Z'));
}

static QString etatDesFenetres() {
    QProcess x;
    x.start(u"sh"_s, {u"-c"_s, u"xdotool search --name '^tressola-fenetre$' | head -n 1 | xargs "
                               "-r -I@ xprop -id @ _NET_WM_STATE WM_STATE"_s});
    x.waitForFinished();
    return QString::fromUtf8(x.readAllStandardOutput());
}

// A file manager on a connection of its own to the private bus.
class Gestionnaire : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> montres;

public Q_SLOTS:
    void ShowItems(const QStringList &adresses, const QString &) { montres.append(adresses); }
};

// Launched programs' windows, and reveals; the launch itself: tests/barre, the drop scenario.
class TestProcessus : public QObject {
    Q_OBJECT

    QList<qint64> groupes_; // of the programs started, each in a session of its own
    QProcess busPrive_;
    QString adresse_;
    QList<QUrl> ouverts_;

private Q_SLOTS:
    void initTestCase() {
        busPrive_.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        QVERIFY(busPrive_.waitForStarted());
        QTRY_VERIFY(busPrive_.canReadLine());
        adresse_ = QString::fromUtf8(busPrive_.readLine()).trimmed();
        platform::definirOuvreurUrl([this](const QUrl &url) {
            ouverts_.append(url);
            return true;
        });
    }

    void cleanup() {
        for (const qint64 pid : std::as_const(groupes_))
            ::kill(-pid_t(pid), SIGTERM);
        groupes_.clear();
        QTRY_VERIFY(etatDesFenetres().isEmpty());
    }

    void cleanupTestCase() {
        platform::definirOuvreurUrl({});
        QDBusConnection::disconnectFromBus(u"prive"_s);
        busPrive_.terminate();
        busPrive_.waitForFinished();
    }

    void aucunZombie() {
        for (int i = 0; i < 100; ++i)
            QVERIFY(platform::lancer(u"true"_s, {}, 5));
        QTRY_COMPARE_WITH_TIMEOUT(zombies(), 0, 10000);
    }

    void etatFenetre_data() {
        QTest::addColumn<int>("lancement");
        QTest::addColumn<QStringList>("commande");
        QTest::addColumn<QStringList>("attendu"); // in what xprop tells
        const QString moi = QCoreApplication::applicationFilePath();
        const QStringList iconifiee{u"window state: Iconic"_s};
        QTest::newRow("iconifiée") << 2 << QStringList{moi, u"fenetre"_s} << iconifiee;
        // The script starts the window's program as a child of its own, and waits for it.
        QTest::newRow("maximale, fenêtre d'un processus fils")
            << 1 << QStringList{u"sh"_s, u"-c"_s, u"\"$0\" fenetre; exit $?"_s, moi}
            << QStringList{u"_NET_WM_STATE_MAXIMIZED_VERT"_s, u"_NET_WM_STATE_MAXIMIZED_HORZ"_s};
        // No _NET_WM_PID on the window of an X toolkit program: the server tells its client.
        QTest::newRow("sans _NET_WM_PID")
            << 2 << QStringList{u"xmessage"_s, u"-title"_s, u"tressola-fenetre"_s, u"x"_s}
            << iconifiee;
        // A program that hands its work on and ends: its window carries the startup id it got.
        QTest::newRow("notification de démarrage")
            << 2 << QStringList{u"sh"_s, u"-c"_s, u"\"$0\" fenetre relais &"_s, moi} << iconifiee;
    }

    void etatFenetre() {
        QFETCH(int, lancement);
        QFETCH(QStringList, commande);
        QFETCH(QStringList, attendu);
        const int affichage = int(ModeAffichage(quint8(lancement)));
        const platform::Lance l = platform::lancer(commande.first(), commande.mid(1), affichage);
        QVERIFY(l);
        groupes_.append(l.pid);
        // Once seen, the state counts as reached: a later search may list the windows otherwise.
        bool atteint = false;
        const auto vu = [&] {
            const QString etat = etatDesFenetres();
            atteint = atteint || std::all_of(attendu.cbegin(), attendu.cend(),
                                             [&](const QString &a) { return etat.contains(a); });
            return atteint;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(vu(), qPrintable(etatDesFenetres()), 6000);
    }

    void reveler_data() {
        QTest::addColumn<bool>("gestionnaire"); // whether one is on the bus
        QTest::addColumn<bool>("bus");
        QTest::addColumn<bool>("vide"); // a blank button's line
        QTest::newRow("gestionnaire present") << true << true << false;
        QTest::newRow("aucun gestionnaire") << false << true << false;
        QTest::newRow("pas de bus") << false << false << false;
        QTest::newRow("bouton vide") << true << true << true;
    }

    void reveler() {
        QFETCH(bool, gestionnaire);
        QFETCH(bool, bus);
        QFETCH(bool, vide);
        ouverts_.clear();
        Gestionnaire g;
        if (gestionnaire) {
            QDBusConnection cote = QDBusConnection::connectToBus(adresse_, u"gestionnaire"_s);
            QVERIFY(cote.registerObject(u"/org/freedesktop/FileManager1"_s, &g,
                                        QDBusConnection::ExportAllSlots));
            QVERIFY(cote.registerService(u"org.freedesktop.FileManager1"_s));
        }
        const auto retrait =
            qScopeGuard([] { QDBusConnection::disconnectFromBus(u"gestionnaire"_s); });
        const QDBusConnection connexion =
            bus ? QDBusConnection::connectToBus(adresse_, u"prive"_s)
                : QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"absent"_s);
        QCOMPARE(connexion.isConnected(), bus);
        // The program of a stored command line, spaces and accents in its path.
        const QString programme = QDir::temp().filePath(u"Mon App é/app"_s);
        const QString ligne = vide ? QString() : u"\"%1\" -x"_s.arg(programme);
        platform::reveler(platform::fichierDuProgramme(ProgrammeLigCom(ligne)), connexion, 400ms);
        // Shown by the file manager, and the folder not opened besides; else the folder opened.
        const QString uri = u"file://%1/Mon%20App%20%C3%A9/app"_s.arg(QDir::tempPath());
        QTRY_VERIFY(vide || !g.montres.isEmpty() || !ouverts_.isEmpty());
        QTest::qWait(600); // and nothing more
        QCOMPARE(g.montres, gestionnaire && !vide ? QList<QStringList>{QStringList{uri}}
                                                  : QList<QStringList>());
        QCOMPARE(ouverts_,
                 gestionnaire || vide
                     ? QList<QUrl>()
                     : QList<QUrl>{QUrl::fromLocalFile(QDir::temp().filePath(u"Mon App é"_s))});
    }
};

int main(int argc, char *argv[]) {
    const QString idDemarrage = qEnvironmentVariable("DESKTOP_STARTUP_ID"); // before Qt takes it
    QGuiApplication app(argc, argv);
    if (app.arguments().value(1) == u"fenetre") { // a program of the tests with one window
        QWindow fenetre;
        fenetre.setTitle(u"tressola-fenetre"_s);
        fenetre.resize(200, 150);
        // Told as the toolkits that take part in startup notification tell it.
        if (app.arguments().value(2) == u"relais")
            QProcess::execute(u"xprop"_s, {u"-id"_s, QString::number(fenetre.winId()), u"-f"_s,
                                           u"_NET_STARTUP_ID"_s, u"8u"_s, u"-set"_s,
                                           u"_NET_STARTUP_ID"_s, idDemarrage});
        fenetre.show();
        QTimer::singleShot(30000, &app, &QCoreApplication::quit); // however the test ends
        return app.exec();
    }
    TestProcessus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_processus.moc"
