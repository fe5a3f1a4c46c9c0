#include "logic/LigneCommande.h"
#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Affichage)

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
    void programmeLigCom_data();
    void programmeLigCom();
};

void TestLigneCommande::modeAffichage_data() {
    QTest::addColumn<int>("lancement");
    QTest::addColumn<Affichage>("attendu");
    QTest::addColumn<int>("commande"); // the Windows show command handed over
    QTest::newRow("normale") << 0 << Affichage::Normal << 5;
    QTest::newRow("maximale") << 1 << Affichage::Maximise << 3;
    QTest::newRow("iconifiee") << 2 << Affichage::Minimise << 2;
    QTest::newRow("3 normale") << 3 << Affichage::Normal << 5;
    QTest::newRow("255 normale") << 255 << Affichage::Normal << 5;
}

void TestLigneCommande::modeAffichage() {
    QFETCH(int, lancement);
    QFETCH(Affichage, attendu);
    QFETCH(int, commande);
    QCOMPARE(ModeAffichage(quint8(lancement)), attendu);
    QCOMPARE(int(attendu), commande);
}

// The command built from a stored line, then split into what is started.
void TestLigneCommande::commandeLancement_data() {
    QTest::addColumn<QString>("ligCom");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("espaces sans guillemets")
        << uR"(C:\Program Files\App\app.exe)"_s << uR"("C:\Program Files\App\app.exe")"_s
        << uR"(C:\Program Files\App\app.exe)"_s << QStringList();
    QTest::newRow("notepad") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << uR"("C:\WINDOWS\NOTEPAD.EXE")"_s
                             << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << QStringList();
    QTest::newRow("arguments sans guillemets: un seul chemin")
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\README.TXT)"_s
        << uR"("C:\WINDOWS\NOTEPAD.EXE C:\README.TXT")"_s
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\README.TXT)"_s << QStringList();
    QTest::newRow("programme entre guillemets et argument")
        << uR"("C:\WINDOWS\NOTEPAD.EXE" C:\README.TXT)"_s
        << uR"("C:\WINDOWS\NOTEPAD.EXE" C:\README.TXT)"_s << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s
        << QStringList{uR"(C:\README.TXT)"_s};
    QTest::newRow("vide") << QString() << u"\"\""_s << QString() << QStringList();
    QTest::newRow("linux") << u"/usr/bin/gedit"_s << u"\"/usr/bin/gedit\""_s << u"/usr/bin/gedit"_s
                           << QStringList();
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
        << uR"(C:\WORK)"_s << win << uR"(C:\WOR)"_s;
    QTest::newRow("vide") << QString() << win << QString();
    QTest::newRow("racine windows") << uR"(\)"_s << win << uR"(\)"_s;
    QTest::newRow("racine linux reste la racine") << u"/"_s << posix << u"/"_s;
    QTest::newRow("linux") << u"/tmp/travail/"_s << posix << u"/tmp/travail"_s;
    QTest::newRow("linux sans separateur final") << u"/tmp/travail"_s << posix << u"/tmp/travai"_s;
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
    QTest::newRow("4 barres et guillemet: 2 barres, guillemet ouvrant")
        << uR"(p a\\\\"b")"_s << p << QStringList{uR"(a\\b)"_s};
    QTest::newRow("repertoire entre guillemets termine par deux barres")
        << uR"(p "C:\dir\\" x)"_s << p << QStringList{uR"(C:\dir\)"_s, u"x"_s};
    QTest::newRow("piege: barre finale avant le guillemet fermant")
        << uR"(p "C:\dir\" x)"_s << p << QStringList{uR"(C:\dir" x)"_s};
    QTest::newRow("guillemet double dans des guillemets")
        << u"p \"a\"\"b\""_s << p << QStringList{u"a\"b"_s};
    QTest::newRow("quatre guillemets") << u"p \"\"\"\""_s << p << QStringList{u"\""_s};
    QTest::newRow("guillemet echappe seul") << uR"(p \")"_s << p << QStringList{u"\""_s};
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
    QTest::newRow("vide") << QString() << QString() << QStringList();
    QTest::newRow("seulement des blancs") << u"   "_s << QString() << QStringList();
    QTest::newRow("accents") << u"\"/opt/Éditeur/é\" «x»"_s << u"/opt/Éditeur/é"_s
                             << QStringList{u"«x»"_s};
}

void TestLigneCommande::decouper() {
    QFETCH(QString, commande);
    QFETCH(QString, programme);
    QFETCH(QStringList, arguments);
    const CommandeDecoupee d = DecouperCommande(commande);
    QCOMPARE(d.programme, programme);
    QCOMPARE(d.arguments, arguments);
}

void TestLigneCommande::programmeLigCom_data() {
    QTest::addColumn<QString>("ligCom");
    QTest::addColumn<QString>("programme");
    QTest::newRow("argument") << uR"("C:\APP\APP.EXE" -x)"_s << uR"(C:\APP\APP.EXE)"_s;
    QTest::newRow("espaces") << u"/opt/Mon App/app"_s << u"/opt/Mon App/app"_s;
    QTest::newRow("nom seul") << u"gedit"_s << u"gedit"_s;
    QTest::newRow("vide") << QString() << QString();
}

void TestLigneCommande::programmeLigCom() {
    QFETCH(QString, ligCom);
    QFETCH(QString, programme);
    QCOMPARE(ProgrammeLigCom(ligCom), programme);
}

QTEST_APPLESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
