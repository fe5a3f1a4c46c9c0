#include "logic/LigneCommande.h"
#include "platform/Processus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

// Programs started as a launch starts them. temoin.sh records where it ran and what it was given;
// fenetre_temoin shows a window, whose state the window manager tells. Working directories are
// tested from the bar's buttons (tests/barre).
class TestProcessus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void lancement_data();
    void lancement();
    void etatFenetre_data();
    void etatFenetre();

private:
    // Starts a stored command line as a launch does: the fields recorded, or nothing.
    std::optional<QStringList> lancerEtLire(const QString &ligCom, int affichage = 5);
    bool ecrireExecutable(const QString &cible, const QByteArray &contenu);

    QTemporaryDir rep_;
    QString temoin_;
    QList<qint64> fenetres_;
};

bool TestProcessus::ecrireExecutable(const QString &cible, const QByteArray &contenu) {
    QDir().mkpath(QFileInfo(cible).absolutePath());
    QFile f(cible);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() &&
           f.setPermissions(f.permissions() | QFile::ExeUser);
}

void TestProcessus::initTestCase() {
    QVERIFY(rep_.isValid());
    temoin_ = rep_.filePath(u"temoin.out"_s);
    qputenv("TRESSOLA_TEMOIN", temoin_.toUtf8());
    QFile sh(QStringLiteral(TEMOIN_SH));
    QVERIFY(sh.open(QIODevice::ReadOnly));
    const QByteArray script = sh.readAll();
    QVERIFY(ecrireExecutable(rep_.filePath(u"Mon Dossier/témoin é"_s), script));
    QVERIFY(ecrireExecutable(rep_.filePath(u"bin/temoin-tressola"_s), script));
    qputenv("PATH", QFile::encodeName(rep_.filePath(u"bin"_s)) + ':' + qgetenv("PATH"));
}

void TestProcessus::cleanup() {
    for (const qint64 pid : std::as_const(fenetres_))
        ::kill(pid_t(pid), SIGTERM);
    fenetres_.clear();
}

std::optional<QStringList> TestProcessus::lancerEtLire(const QString &ligCom, int affichage) {
    QFile::remove(temoin_);
    const CommandeDecoupee c = DecouperCommande(CommandeLancement(ligCom));
    if (!platform::lancer(c.programme, c.arguments, affichage))
        return std::nullopt;
    QFile f(temoin_);
    if (!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, 5000) ||
        !f.open(QIODevice::ReadOnly))
        return QStringList{u"(rien n'a été écrit)"_s};
    QStringList champs = QString::fromUtf8(f.readAll()).split(QChar(0));
    if (champs.last().isEmpty()) // after the last NUL
        champs.removeLast();
    return champs;
}

void TestProcessus::lancement_data() {
    QTest::addColumn<QString>("ligCom"); // $PROG: a program whose path has spaces
    QTest::addColumn<bool>("lance");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("arguments tels quels, sans shell")
        << u"\"$PROG\" \"a b\" \"\" '$HOME' `id` ;ls"_s << true
        << QStringList{u"a b"_s, QString(), u"'$HOME'"_s, u"`id`"_s, u";ls"_s};
    QTest::newRow("trouvé par PATH") << u"\"temoin-tressola\" un"_s << true << QStringList{u"un"_s};
    QTest::newRow("vide") << QString() << false << QStringList();
    QTest::newRow("introuvable") << u"\"absent-de-partout\" -x"_s << false << QStringList();
}

void TestProcessus::lancement() {
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

void TestProcessus::etatFenetre_data() {
    QTest::addColumn<int>("lancement");
    QTest::addColumn<bool>("parUnScript");
    QTest::addColumn<QString>("attendu"); // in what xprop tells
    QTest::newRow("iconifiée") << 2 << false << u"window state: Iconic"_s;
    QTest::newRow("maximale, fenêtre d'un processus fils")
        << 1 << true << u"_NET_WM_STATE_MAXIMIZED_HORZ"_s;
}

void TestProcessus::etatFenetre() {
    QFETCH(int, lancement);
    QFETCH(bool, parUnScript);
    QFETCH(QString, attendu);

    QString ligCom = u"\"%1\""_s.arg(QStringLiteral(FENETRE_TEMOIN));
    if (parUnScript) {
        // The script starts the window's program as a child of its own, and waits for it.
        const QString script = rep_.filePath(u"lanceur.sh"_s);
        QVERIFY(ecrireExecutable(script, "#!/bin/sh\n\"$@\"\nstatut=$?\nexit $statut\n"));
        ligCom = u"\"%1\" \"%2\""_s.arg(script, QStringLiteral(FENETRE_TEMOIN));
    }
    const auto lu = lancerEtLire(ligCom, int(ModeAffichage(quint8(lancement))));
    QVERIFY(lu);
    const QStringList champs = lu->value(0).split(u' ');
    QCOMPARE(champs.size(), 2);
    fenetres_.append(champs.at(1).toLongLong());
    const auto etat = [id = champs.at(0)] {
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, id, u"_NET_WM_STATE"_s, u"WM_STATE"_s});
        xprop.waitForFinished();
        return QString::fromUtf8(xprop.readAllStandardOutput());
    };
    QTRY_VERIFY2_WITH_TIMEOUT(etat().contains(attendu), qPrintable(etat()), 6000);
}

QTEST_MAIN(TestProcessus)
#include "tst_processus.moc"
