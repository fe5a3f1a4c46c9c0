#include "logic/LigneCommande.h"
#include "platform/Navigateur.h"
#include "platform/Revelateur.h"

#include <QDBusConnection>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// A file manager of the tests, on a connection of its own to the private bus: records the
// addresses it is asked to show.
class Gestionnaire : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> montres;

public Q_SLOTS:
    void ShowItems(const QStringList &adresses, const QString &) { montres.append(adresses); }
};

// Reveals against that file manager on a private session bus, and without one.
class TestRevelateur : public QObject {
    Q_OBJECT

private:
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

    void cleanupTestCase() {
        platform::definirOuvreurUrl({});
        QDBusConnection::disconnectFromBus(u"prive"_s);
        busPrive_.terminate();
        busPrive_.waitForFinished();
    }

    void fichierDuProgramme_data() {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QString>("fichier"); // relative: to the current directory
        QTest::newRow("par PATH") << u"sh"_s << QStandardPaths::findExecutable(u"sh"_s);
        QTest::newRow("absent du PATH: repertoire courant")
            << u"absent-de-partout"_s << u"absent-de-partout"_s;
        QTest::newRow("relatif avec repertoire") << u"outils/app"_s << u"outils/app"_s;
        QTest::newRow("vide") << QString() << QString();
    }

    void fichierDuProgramme() {
        QFETCH(QString, programme);
        QFETCH(QString, fichier);
        const QString attendu =
            fichier.isEmpty() ? fichier : QDir::current().absoluteFilePath(fichier);
        QCOMPARE(platform::fichierDuProgramme(programme), attendu);
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
        const QDBusConnection connexion =
            bus ? QDBusConnection::connectToBus(adresse_, u"prive"_s)
                : QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"absent"_s);
        QCOMPARE(connexion.isConnected(), bus);

        // The program of a stored command line, spaces and accents in its path.
        const QString programme = QDir::temp().filePath(u"Mon App é/app"_s);
        const QString ligne = vide ? QString() : u"\"%1\" -x"_s.arg(programme);
        platform::reveler(platform::fichierDuProgramme(ProgrammeLigCom(ligne)), connexion, 400ms);

        if (vide) {
            QTest::qWait(600);
            QVERIFY(g.montres.isEmpty() && ouverts_.isEmpty());
            QDBusConnection::disconnectFromBus(u"gestionnaire"_s);
        } else if (gestionnaire) { // shown by the file manager, and the folder not opened besides
            const QString uri = u"file://%1/Mon%20App%20%C3%A9/app"_s.arg(QDir::tempPath());
            QTRY_COMPARE(g.montres, QList<QStringList>{QStringList{uri}});
            QTest::qWait(600);
            QVERIFY(ouverts_.isEmpty());
            QDBusConnection::disconnectFromBus(u"gestionnaire"_s);
        } else {
            QTRY_COMPARE(ouverts_.size(), 1);
            QCOMPARE(ouverts_.first(), QUrl::fromLocalFile(QDir::temp().filePath(u"Mon App é"_s)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRevelateur)
#include "tst_revelateur.moc"
