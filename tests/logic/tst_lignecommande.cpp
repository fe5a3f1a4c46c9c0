#include "logic/EntreeBureau.h"
#include "logic/LigneCommande.h"
#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The launch tests start a real program from a quoted path with arguments, and from a path with
// a space and no quotes; these are the rules' other cases.
class TestLigneCommande : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modeAffichage_data();
    void modeAffichage();
    void commandeLancement_data();
    void commandeLancement();
    void repertoireLancement_data();
    void repertoireLancement();
    void decouper_data();
    void decouper();
    void argumentsExec_data();
    void argumentsExec();
    void allerRetour_data();
    void allerRetour();
    void entreeBureau();
};

void TestLigneCommande::modeAffichage_data() {
    QTest::addColumn<int>("lancement");
    QTest::addColumn<Affichage>("attendu");
    QTest::newRow("normale") << 0 << Affichage::Normal;
    QTest::newRow("maximale") << 1 << Affichage::Maximise;
    QTest::newRow("iconifiee") << 2 << Affichage::Minimise;
    QTest::newRow("3 normale") << 3 << Affichage::Normal;
}

void TestLigneCommande::modeAffichage() {
    QFETCH(int, lancement);
    QFETCH(Affichage, attendu);
    QCOMPARE(ModeAffichage(quint8(lancement)), attendu);
}

// The command built from a stored line, then split into what is started.
void TestLigneCommande::commandeLancement_data() {
    QTest::addColumn<QString>("ligCom");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("arguments sans guillemets: un seul chemin")
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\README.TXT)"_s
        << uR"("C:\WINDOWS\NOTEPAD.EXE C:\README.TXT")"_s
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\README.TXT)"_s << QStringList();
    QTest::newRow("vide") << QString() << u"\"\""_s << QString() << QStringList();
    QTest::newRow("guillemet au milieu: ligne telle quelle")
        << u"/opt/ed --titre=\"a b\""_s << u"/opt/ed --titre=\"a b\""_s << u"/opt/ed"_s
        << QStringList{u"--titre=a b"_s};
    QTest::newRow("argument entre guillemets seulement")
        << u"gedit \"/home/u/Mes Documents/a.txt\" -s"_s
        << u"gedit \"/home/u/Mes Documents/a.txt\" -s"_s << u"gedit"_s
        << QStringList{u"/home/u/Mes Documents/a.txt"_s, u"-s"_s};
}

void TestLigneCommande::commandeLancement() {
    QFETCH(QString, ligCom);
    QFETCH(QString, commande);
    QFETCH(QString, programme);
    QFETCH(QStringList, arguments);
    QCOMPARE(CommandeLancement(ligCom), commande);
    QCOMPARE(ProgrammeLigCom(ligCom), programme);
    const CommandeDecoupee d = DecouperCommande(commande);
    QCOMPARE(d.programme, programme);
    QCOMPARE(d.arguments, arguments);
}

void TestLigneCommande::repertoireLancement_data() {
    QTest::addColumn<QString>("wDir");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("attendu");

    const QString win = SeparateursWindows.toString();
    const QString posix = SeparateursPosix.toString();
    QTest::newRow("windows") << uR"(C:\WORK\)"_s << win << uR"(C:\WORK)"_s;
    QTest::newRow("lecteur") << uR"(C:\)"_s << win << u"C:"_s;
    QTest::newRow("sans separateur final perd une lettre")
        << u"/tmp/travail"_s << posix << u"/tmp/travai"_s;
    QTest::newRow("vide") << QString() << win << QString();
    QTest::newRow("racine reste la racine") << u"/"_s << posix << u"/"_s;
    QTest::newRow("double barre") << u"//"_s << posix << u"/"_s;
    QTest::newRow("une lettre") << u"a"_s << posix << QString();
    QTest::newRow("caractere hors du plan de base entier")
        << u"/tmp/\U0001F600"_s << posix << u"/tmp/"_s;
}

void TestLigneCommande::repertoireLancement() {
    QFETCH(QString, wDir);
    QFETCH(QString, separateurs);
    QFETCH(QString, attendu);
    QCOMPARE(RepertoireLancement(wDir, separateurs), attendu);
}

void TestLigneCommande::decouper_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("arguments");

    const QString p = u"p"_s;
    QTest::newRow("blancs") << u"p a  b\tc "_s << p << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("blancs avant le programme") << u"  \tp a"_s << p << QStringList{u"a"_s};
    QTest::newRow("argument entre guillemets")
        << u"p \"a b\" c"_s << p << QStringList{u"a b"_s, u"c"_s};
    QTest::newRow("guillemets au milieu d'un mot")
        << u"p a\"b c\"d"_s << p << QStringList{u"ab cd"_s};
    QTest::newRow("barres obliques inverses litterales")
        << uR"(p a\\b c\d\)"_s << p << QStringList{uR"(a\\b)"_s, uR"(c\d\)"_s};
    QTest::newRow("1 barre et guillemet: guillemet litteral")
        << uR"(p a\"b)"_s << p << QStringList{u"a\"b"_s};
    QTest::newRow("2 barres et guillemet: 1 barre, guillemet ouvrant")
        << uR"(p a\\"b c")"_s << p << QStringList{uR"(a\b c)"_s};
    QTest::newRow("3 barres et guillemet: 1 barre et guillemet litteral")
        << uR"(p a\\\"b)"_s << p << QStringList{uR"(a\"b)"_s};
    QTest::newRow("repertoire entre guillemets termine par deux barres")
        << uR"(p "C:\dir\\" x)"_s << p << QStringList{uR"(C:\dir\)"_s, u"x"_s};
    QTest::newRow("piege: barre finale avant le guillemet fermant")
        << uR"(p "C:\dir\" x)"_s << p << QStringList{uR"(C:\dir" x)"_s};
    QTest::newRow("guillemet double dans des guillemets")
        << u"p \"a\"\"b\""_s << p << QStringList{u"a\"b"_s};
    QTest::newRow("arguments vides gardes")
        << u"p \"\" x \"\""_s << p << QStringList{QString(), u"x"_s, QString()};
    QTest::newRow("guillemet non ferme va jusqu'au bout")
        << u"p \"a b  c"_s << p << QStringList{u"a b  c"_s};
    QTest::newRow("programme: pas d'echappement")
        << uR"("C:\dir\"x y)"_s << uR"(C:\dir\)"_s << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("programme non ferme")
        << u"\"/opt/mon app -x"_s << u"/opt/mon app -x"_s << QStringList();
    QTest::newRow("programme sans guillemet garde un guillemet interieur")
        << u"pro\"g a"_s << u"pro\"g"_s << QStringList{u"a"_s};
    QTest::newRow("programme vide entre guillemets")
        << u"\"\" a"_s << QString() << QStringList{u"a"_s};
    QTest::newRow("seulement des blancs") << u"   "_s << QString() << QStringList();
}

void TestLigneCommande::decouper() {
    QFETCH(QString, commande);
    QFETCH(QString, programme);
    QFETCH(QStringList, arguments);
    const CommandeDecoupee d = DecouperCommande(commande);
    QCOMPARE(d.programme, programme);
    QCOMPARE(d.arguments, arguments);
}

void TestLigneCommande::argumentsExec_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("simple") << u"gedit %U"_s << QStringList{u"gedit"_s};
    QTest::newRow("guillemets") << u"\"/opt/Mon App/app\" --x %f"_s
                                << QStringList{u"/opt/Mon App/app"_s, u"--x"_s};
    QTest::newRow("echappements") << u"sh -c \"echo \\\"a\\\" \\$HOME\""_s
                                  << QStringList{u"sh"_s, u"-c"_s, u"echo \"a\" $HOME"_s};
    QTest::newRow("pourcent") << u"printf 100%% %i"_s << QStringList{u"printf"_s, u"100%"_s};
    QTest::newRow("code colle") << u"app --file=%f"_s << QStringList{u"app"_s, u"--file="_s};
}

void TestLigneCommande::argumentsExec() {
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    QCOMPARE(ArgumentsExec(exec), arguments);
}

// The line built for a button from a desktop entry is split back, at the launch, into the
// same arguments.
void TestLigneCommande::allerRetour_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("seul") << QStringList{u"gedit"_s};
    QTest::newRow("espaces") << QStringList{u"/opt/Mon App/app"_s};
    QTest::newRow("arguments") << QStringList{u"firefox"_s, u"--new-window"_s, u"deux mots"_s,
                                              QString()};
    QTest::newRow("guillemets et barres") << QStringList{u"sh"_s, u"-c"_s, u"echo \"a\\\" b\\\\"_s};
}

void TestLigneCommande::allerRetour() {
    QFETCH(QStringList, arguments);
    const CommandeDecoupee c = DecouperCommande(CommandeLancement(LigneDeCommande(arguments)));
    QCOMPARE(c.programme, arguments.first());
    QCOMPARE(c.arguments, arguments.mid(1));
}

void TestLigneCommande::entreeBureau() {
    const auto e = LireEntreeBureau("# x\n[Desktop Entry]\nName=Éditeur\nName[fr]=Autre\n"
                                    "Exec=ed %F\nPath=/tmp\n[Desktop Action A]\nExec=b\n");
    QVERIFY(e);
    QCOMPARE(e->name, u"Éditeur"_s);
    QCOMPARE(e->exec, u"ed %F"_s);
    QCOMPARE(e->path, u"/tmp"_s);
    QVERIFY(!LireEntreeBureau("[Desktop Action A]\nExec=b\n"));
    QVERIFY(!LireEntreeBureau(QByteArray("\x00\xff\xfe", 3)));
}

QTEST_APPLESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
