#include "logic/LigneCommande.h"
#include "platform/Navigateur.h"
#include "platform/Revelateur.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// Reveals against a file manager of the tests' own on a private session bus, and without one.
class TestRevelateur : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void fichierDuProgramme_data();
    void fichierDuProgramme();
    void reveler_data();
    void reveler();

private:
    QProcess busPrive_;
    QString adresse_;
    QProcess gestionnaire_;
    QTemporaryDir rep_;
    QList<QUrl> ouverts_;
};

void TestRevelateur::initTestCase() {
    busPrive_.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
    QVERIFY(busPrive_.waitForStarted());
    QTRY_VERIFY(busPrive_.canReadLine());
    adresse_ = QString::fromUtf8(busPrive_.readLine()).trimmed();
    QVERIFY(!adresse_.isEmpty());
    platform::definirOuvreurUrl([this](const QUrl &url) {
        ouverts_.append(url);
        return true;
    });
}

void TestRevelateur::cleanupTestCase() {
    platform::definirOuvreurUrl({});
    QDBusConnection::disconnectFromBus(u"prive"_s);
    busPrive_.terminate();
    busPrive_.waitForFinished();
}

void TestRevelateur::cleanup() {
    ouverts_.clear();
    gestionnaire_.terminate();
    gestionnaire_.waitForFinished();
}

void TestRevelateur::fichierDuProgramme_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("fichier"); // relative: to the current directory
    QTest::newRow("par PATH") << u"sh"_s << QStandardPaths::findExecutable(u"sh"_s);
    QTest::newRow("absent du PATH: repertoire courant")
        << u"absent-de-partout"_s << u"absent-de-partout"_s;
    QTest::newRow("relatif avec repertoire") << u"outils/app"_s << u"outils/app"_s;
    QTest::newRow("vide") << QString() << QString();
}

void TestRevelateur::fichierDuProgramme() {
    QFETCH(QString, programme);
    QFETCH(QString, fichier);
    const QString attendu = fichier.isEmpty() ? fichier : QDir::current().absoluteFilePath(fichier);
    QCOMPARE(platform::fichierDuProgramme(programme), attendu);
}

void TestRevelateur::reveler_data() {
    QTest::addColumn<bool>("gestionnaire"); // whether one runs on the bus
    QTest::addColumn<bool>("bus");
    QTest::newRow("gestionnaire present") << true << true;
    QTest::newRow("aucun gestionnaire") << false << true;
    QTest::newRow("pas de bus") << false << false;
}

void TestRevelateur::reveler() {
    QFETCH(bool, gestionnaire);
    QFETCH(bool, bus);

    const QString temoin = rep_.filePath(u"appel.txt"_s);
    QFile::remove(temoin);
    QDBusConnection connexion =
        bus ? QDBusConnection::connectToBus(adresse_, u"prive"_s)
            : QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"absent"_s);
    QCOMPARE(connexion.isConnected(), bus);
    if (gestionnaire) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, adresse_);
        env.insert(u"TRESSOLA_TEMOIN"_s, temoin);
        gestionnaire_.setProcessEnvironment(env);
        gestionnaire_.start(QStringLiteral(GESTIONNAIRE_TEMOIN));
        QTRY_VERIFY(connexion.interface()->isServiceRegistered(u"org.freedesktop.FileManager1"_s));
    }

    // The program of a stored command line, spaces and accents in its path.
    const QString programme = rep_.filePath(u"Mon App é/app"_s);
    const QString ligCom = u"\"%1\" -x"_s.arg(programme);
    platform::reveler(platform::fichierDuProgramme(ProgrammeLigCom(ligCom)), connexion, 400ms);

    if (gestionnaire) { // shown by the file manager, else the folder is opened
        QTRY_VERIFY(QFile::exists(temoin));
        QFile f(temoin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(f.readAll()).split(u'\n');
        QCOMPARE(lignes.value(0), QUrl::fromLocalFile(programme).toString());
        QCOMPARE(lignes.size(), 3); // one address, the start-up id, the end of the last line
        QTest::qWait(600);
        QVERIFY(ouverts_.isEmpty());
    } else {
        QTRY_COMPARE(ouverts_.size(), 1);
        QCOMPARE(ouverts_.first(), QUrl::fromLocalFile(rep_.filePath(u"Mon App é"_s)));
        QVERIFY(!QFile::exists(temoin));
    }
}

QTEST_GUILESS_MAIN(TestRevelateur)
#include "tst_revelateur.moc"
