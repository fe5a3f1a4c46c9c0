#include "logic/LigneCommande.h"
#include "platform/Processus.h"
#include "support/Fichiers.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <csignal>

using namespace Qt::StringLiterals;

// The children of this process that have ended and are not collected yet.
static int zombies() {
    int n = 0;
    const QString moi = QString::number(QCoreApplication::applicationPid());
    for (const QString &pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile f(u"/proc/%1/stat"_s.arg(pid));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray l = f.readAll();
        const QList<QByteArray> champs = l.mid(l.lastIndexOf(')') + 2).split(' ');
        n += champs.size() > 1 && champs.at(0) == "Z" && champs.at(1) == moi.toUtf8();
    }
    return n;
}

// Programs started as a launch starts them. temoin.sh records where it ran and what it was given;
// fenetre_temoin shows a window, whose state the window manager tells. Working directories are
// tested from the bar's buttons (tests/barre).
class TestProcessus : public QObject {
    Q_OBJECT

private:
    // Starts a stored command line as a launch does: the fields recorded, or nothing.
    std::optional<QStringList> lancerEtLire(const QString &ligCom, int affichage = 5);
    bool ecrireExecutable(const QString &cible, const QByteArray &contenu);

    QTemporaryDir rep_;
    QString temoin_;
    QList<qint64> fenetres_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(rep_.isValid());
        temoin_ = rep_.filePath(u"temoin.out"_s);
        qputenv("TRESSOLA_TEMOIN", temoin_.toUtf8());
        const QByteArray script = lireTout(QStringLiteral(TEMOIN_SH));
        QVERIFY(ecrireExecutable(rep_.filePath(u"Mon Dossier/témoin é"_s), script));
        QVERIFY(ecrireExecutable(rep_.filePath(u"bin/temoin-tressola"_s), script));
        qputenv("PATH", QFile::encodeName(rep_.filePath(u"bin"_s)) + ':' + qgetenv("PATH"));
    }

    void cleanup() {
        for (const qint64 pid : std::as_const(fenetres_))
            ::kill(pid_t(pid), SIGTERM);
        fenetres_.clear();
    }

    void lancement_data() {
        QTest::addColumn<QString>("ligCom"); // $PROG: a program whose path has spaces
        QTest::addColumn<bool>("lance");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("arguments tels quels, sans shell")
            << u"\"$PROG\" \"a b\" \"\" '$HOME' `id` ;ls"_s << true
            << QStringList{u"a b"_s, QString(), u"'$HOME'"_s, u"`id`"_s, u";ls"_s};
        QTest::newRow("trouvé par PATH")
            << u"\"temoin-tressola\" un"_s << true << QStringList{u"un"_s};
    }

    void lancement() {
        QFETCH(QString, ligCom);
        QFETCH(bool, lance);
        QFETCH(QStringList, arguments);
        QDir::setCurrent(rep_.path());
        const auto lu =
            lancerEtLire(ligCom.replace(u"$PROG"_s, rep_.filePath(u"Mon Dossier/témoin é"_s)));
        QCOMPARE(lu.has_value(), lance);
        if (lance) {
            QCOMPARE(lu->value(0), QDir(rep_.path()).canonicalPath());
            QCOMPARE(lu->mid(1), arguments);
        }
    }

    void aucunZombie() {
        for (int i = 0; i < 100; ++i)
            QVERIFY(platform::lancer(u"true"_s, {}, 5));
        QTRY_COMPARE_WITH_TIMEOUT(zombies(), 0, 10000);
    }

    void etatFenetre_data() {
        QTest::addColumn<int>("lancement");
        QTest::addColumn<QString>("fenetre"); // whose window is watched
        QTest::addColumn<QString>("attendu"); // in what xprop tells
        QTest::newRow("iconifiée") << 2 << u"témoin"_s << u"window state: Iconic"_s;
        QTest::newRow("maximale, fenêtre d'un processus fils")
            << 1 << u"script"_s << u"_NET_WM_STATE_MAXIMIZED_HORZ"_s;
        // No _NET_WM_PID on the window of an X toolkit program: the server tells its client.
        QTest::newRow("sans _NET_WM_PID") << 2 << u"xmessage"_s << u"window state: Iconic"_s;
        // A program that hands its work to a running instance, which shows the window with the
        // startup id it was given.
        QTest::newRow("notification de démarrage") << 2 << u"relais"_s << u"window state: Iconic"_s;
    }

    void etatFenetre() {
        QFETCH(int, lancement);
        QFETCH(QString, fenetre);
        QFETCH(QString, attendu);
        const int affichage = int(ModeAffichage(quint8(lancement)));
        const QString temoin = QStringLiteral(FENETRE_TEMOIN);
        QString id;
        QWindow instance;
        if (fenetre == u"xmessage") {
            const auto l =
                platform::lancer(u"xmessage"_s, {u"-name"_s, u"tressola-xm"_s, u"x"_s}, affichage);
            QVERIFY(l);
            fenetres_.append(l.pid);
            const auto chercher = [&id] {
                QProcess x;
                x.start(u"xdotool"_s, {u"search"_s, u"--classname"_s, u"tressola-xm"_s});
                x.waitForFinished();
                id = QString::fromUtf8(x.readAllStandardOutput()).section(u'\n', 0, 0);
                return !id.isEmpty();
            };
            QTRY_VERIFY_WITH_TIMEOUT(chercher(), 5000);
        } else if (fenetre == u"relais") {
            const QString script = rep_.filePath(u"relais.sh"_s);
            QVERIFY(ecrireExecutable(script, "#!/bin/sh\nprintf %s \"$DESKTOP_STARTUP_ID\" "
                                             ">\"$TRESSOLA_TEMOIN\"\n"));
            const auto lu = lancerEtLire(u"\"%1\""_s.arg(script), affichage);
            QVERIFY(lu && !lu->value(0).isEmpty());
            id = QString::number(instance.winId());
            QVERIFY(QProcess::execute(u"xprop"_s,
                                      {u"-id"_s, id, u"-f"_s, u"_NET_STARTUP_ID"_s, u"8u"_s,
                                       u"-set"_s, u"_NET_STARTUP_ID"_s, lu->value(0)}) == 0);
            instance.resize(200, 150);
            instance.show();
        } else {
            QString ligCom = u"\"%1\""_s.arg(temoin);
            if (fenetre == u"script") {
                // The script starts the window's program as a child of its own, and waits for it.
                const QString script = rep_.filePath(u"lanceur.sh"_s);
                QVERIFY(ecrireExecutable(script, "#!/bin/sh\n\"$@\"\nstatut=$?\nexit $statut\n"));
                ligCom = u"\"%1\" \"%2\""_s.arg(script, temoin);
            }
            const auto lu = lancerEtLire(ligCom, affichage);
            QVERIFY(lu);
            const QStringList champs = lu->value(0).split(u' ');
            QCOMPARE(champs.size(), 2);
            id = champs.at(0);
            fenetres_.append(champs.at(1).toLongLong());
        }
        const auto etat = [&id] {
            QProcess xprop;
            xprop.start(u"xprop"_s, {u"-id"_s, id, u"_NET_WM_STATE"_s, u"WM_STATE"_s});
            xprop.waitForFinished();
            return QString::fromUtf8(xprop.readAllStandardOutput());
        };
        QTRY_VERIFY2_WITH_TIMEOUT(etat().contains(attendu), qPrintable(etat()), 6000);
    }
};

bool TestProcessus::ecrireExecutable(const QString &cible, const QByteArray &contenu) {
    QDir().mkpath(QFileInfo(cible).absolutePath());
    return ecrireTout(cible, contenu) &&
           QFile::setPermissions(cible, QFile::permissions(cible) | QFile::ExeUser);
}

std::optional<QStringList> TestProcessus::lancerEtLire(const QString &ligCom, int affichage) {
    QFile::remove(temoin_);
    const CommandeDecoupee c = DecouperCommande(CommandeLancement(ligCom));
    if (!platform::lancer(c.programme, c.arguments, affichage))
        return std::nullopt;
    const QStringList champs = lireTemoin(temoin_);
    return champs.isEmpty() ? QStringList{u"(rien n'a été écrit)"_s} : champs;
}

QTEST_MAIN(TestProcessus)
#include "tst_processus.moc"
