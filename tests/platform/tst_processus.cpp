#include "logic/LigneCommande.h"
#include "platform/Processus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// What the test program recorded: its working directory, then its arguments.
QStringList lireTemoin(const QString &fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList champs = QString::fromUtf8(f.readAll()).split(QChar(0));
    if (!champs.isEmpty() && champs.last().isEmpty())
        champs.removeLast();
    return champs;
}

QString lireEtatFenetre(const QString &id) {
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, id, u"_NET_WM_STATE"_s, u"WM_STATE"_s});
    xprop.waitForFinished();
    return QString::fromUtf8(xprop.readAllStandardOutput());
}

bool copierExecutable(const QString &source, const QString &cible) {
    QDir().mkpath(QFileInfo(cible).absolutePath());
    return QFile::copy(source, cible) &&
           QFile::setPermissions(cible, QFile::permissions(source) | QFile::ExeUser);
}

} // namespace

class TestProcessus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void lancement_data();
    void lancement();
    void echecs_data();
    void echecs();
    void repertoireCourant();
    void programmeTrouveParPath();
    void etatFenetre_data();
    void etatFenetre();

private:
    // Starts the stored command line as a launch does; the recorded fields, or nothing.
    std::optional<QStringList> lancerEtLire(const QString &ligCom, int affichage = 5);

    QTemporaryDir rep_;
    QString temoin_;
    QString depart_;
    QList<qint64> fenetres_;
};

void TestProcessus::init() {
    QVERIFY(rep_.isValid());
    temoin_ = rep_.filePath(u"temoin.out"_s);
    QFile::remove(temoin_);
    qputenv("TRESSOLA_TEMOIN", temoin_.toUtf8());
    depart_ = QDir::currentPath();
}

void TestProcessus::cleanup() {
    for (const qint64 pid : std::as_const(fenetres_))
        ::kill(pid_t(pid), SIGTERM);
    fenetres_.clear();
    QDir::setCurrent(depart_);
}

std::optional<QStringList> TestProcessus::lancerEtLire(const QString &ligCom, int affichage) {
    QFile::remove(temoin_);
    const CommandeDecoupee c = DecouperCommande(CommandeLancement(ligCom));
    if (!platform::lancer(c.programme, c.arguments, affichage))
        return std::nullopt;
    if (!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, 5000))
        return QStringList{u"(rien n'a été écrit)"_s};
    return lireTemoin(temoin_);
}

void TestProcessus::lancement_data() {
    QTest::addColumn<QString>("ligCom"); // %1 stands for the test program's path
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("chemin avec espaces, sans guillemets") << u"%1"_s << QStringList();
    QTest::newRow("programme entre guillemets et arguments")
        << u"\"%1\" -x \"a b\" \"\" c\\\"d"_s
        << QStringList{u"-x"_s, u"a b"_s, QString(), u"c\"d"_s};
    QTest::newRow("barres obliques inverses")
        << uR"("%1" "C:\dir\\" a\\b)"_s << QStringList{uR"(C:\dir\)"_s, uR"(a\\b)"_s};
    QTest::newRow("pas de shell") << u"\"%1\" '$HOME' `id` ;ls |x"_s
                                  << QStringList{u"'$HOME'"_s, u"`id`"_s, u";ls"_s, u"|x"_s};
    QTest::newRow("guillemet non ferme") << u"\"%1\" \"a  b"_s << QStringList{u"a  b"_s};
}

void TestProcessus::lancement() {
    QFETCH(QString, ligCom);
    QFETCH(QStringList, arguments);
    const QString programme = rep_.filePath(u"Mon Dossier/témoin é"_s);
    if (!QFile::exists(programme))
        QVERIFY(copierExecutable(QStringLiteral(TEMOIN_SH), programme));
    QDir::setCurrent(rep_.path());

    const auto lu = lancerEtLire(ligCom.arg(programme));
    QVERIFY(lu);
    QCOMPARE(lu->value(0), QDir(rep_.path()).canonicalPath());
    QCOMPARE(lu->mid(1), arguments);
}

void TestProcessus::echecs_data() {
    QTest::addColumn<QString>("ligCom");
    QTest::newRow("vide") << QString();
    QTest::newRow("arguments sans guillemets: un seul chemin") << u"$PROGRAMME -x"_s;
    QTest::newRow("introuvable") << u"\"$REP/absent\" -x"_s;
    QTest::newRow("un repertoire") << u"$REP"_s;
    QTest::newRow("non executable") << u"$REP/texte.txt"_s;
}

void TestProcessus::echecs() {
    QFETCH(QString, ligCom);
    QFile texte(rep_.filePath(u"texte.txt"_s));
    QVERIFY(texte.open(QIODevice::WriteOnly));
    texte.close();
    const QString ligne = QString(ligCom)
                              .replace(u"$PROGRAMME"_s, QStringLiteral(TEMOIN_SH))
                              .replace(u"$REP"_s, rep_.path());
    const CommandeDecoupee c = DecouperCommande(CommandeLancement(ligne));
    QVERIFY(!platform::lancer(c.programme, c.arguments, 5));
}

void TestProcessus::repertoireCourant() {
    const QString travail = rep_.filePath(u"travail é"_s);
    QVERIFY(QDir().mkpath(travail));
    const QString ligCom = u"\"%1\""_s.arg(QStringLiteral(TEMOIN_SH));

    QVERIFY(platform::changerRepertoireCourant(travail));
    QCOMPARE(lancerEtLire(ligCom)->value(0), QDir(travail).canonicalPath());

    // A launch that enters no directory inherits the one a former launch entered.
    QCOMPARE(lancerEtLire(ligCom)->value(0), QDir(travail).canonicalPath());

    // A directory that cannot be entered leaves the current one as it was; the launch goes on.
    QVERIFY(!platform::changerRepertoireCourant(rep_.filePath(u"absent"_s)));
    QVERIFY(!platform::changerRepertoireCourant(QString()));
    QCOMPARE(lancerEtLire(ligCom)->value(0), QDir(travail).canonicalPath());

    QVERIFY(platform::changerRepertoireCourant(RepertoireLancement(u"/"_s, u"/")));
    QCOMPARE(lancerEtLire(ligCom)->value(0), u"/"_s);
}

void TestProcessus::programmeTrouveParPath() {
    const QString bin = rep_.filePath(u"bin"_s);
    QVERIFY(copierExecutable(QStringLiteral(TEMOIN_SH), bin + u"/temoin-tressola"_s));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    const auto lu = lancerEtLire(u"\"temoin-tressola\" un"_s);
    qputenv("PATH", path);
    QVERIFY(lu);
    QCOMPARE(lu->mid(1), QStringList{u"un"_s});
}

void TestProcessus::etatFenetre_data() {
    QTest::addColumn<int>("lancement");
    QTest::addColumn<bool>("parUnScript");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("maximale") << 1 << false << u"_NET_WM_STATE_MAXIMIZED_VERT"_s;
    QTest::newRow("iconifiee") << 2 << false << u"window state: Iconic"_s;
    QTest::newRow("maximale, fenetre d'un processus fils")
        << 1 << true << u"_NET_WM_STATE_MAXIMIZED_HORZ"_s;
    QTest::newRow("normale") << 0 << false << QString();
}

void TestProcessus::etatFenetre() {
    QFETCH(int, lancement);
    QFETCH(bool, parUnScript);
    QFETCH(QString, attendu);

    QString ligCom = u"\"%1\""_s.arg(QStringLiteral(FENETRE_TEMOIN));
    if (parUnScript) {
        // The script starts the window's program as a child of its own, and waits for it.
        const QString script = rep_.filePath(u"lanceur.sh"_s);
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n\"$@\"\nstatut=$?\nexit $statut\n");
        f.close();
        QVERIFY(f.setPermissions(f.permissions() | QFile::ExeUser));
        ligCom = u"\"%1\" \"%2\""_s.arg(script, QStringLiteral(FENETRE_TEMOIN));
    }
    const auto lu = lancerEtLire(ligCom, int(ModeAffichage(quint8(lancement))));
    QVERIFY(lu);
    const QStringList champs = lu->value(0).split(u' ');
    QCOMPARE(champs.size(), 2);
    fenetres_.append(champs.at(1).toLongLong());
    const QString id = champs.at(0);

    if (attendu.isEmpty()) {
        QTest::qWait(1000);
        const QString etat = lireEtatFenetre(id);
        QVERIFY2(!etat.contains(u"MAXIMIZED"_s) && !etat.contains(u"Iconic"_s), qPrintable(etat));
    } else {
        QTRY_VERIFY2_WITH_TIMEOUT(lireEtatFenetre(id).contains(attendu),
                                  qPrintable(lireEtatFenetre(id)), 6000);
    }
}

QTEST_MAIN(TestProcessus)
#include "tst_processus.moc"
