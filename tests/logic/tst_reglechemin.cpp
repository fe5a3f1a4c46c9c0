#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Windows = SeparateursWindows.toString();
const QString Posix = SeparateursPosix.toString();

} // namespace

class TestReglesChemin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partiesDuChemin_data();
    void partiesDuChemin();
    void partiesCoupees_data();
    void partiesCoupees();
    void repertoireLigCom_data();
    void repertoireLigCom();
    void nomInfobulle_data();
    void nomInfobulle();
    void entreGuillemets_data();
    void entreGuillemets();
};

void TestReglesChemin::partiesDuChemin_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("extension");

    QTest::newRow("vide") << QString() << Windows << QString() << QString() << QString();
    QTest::newRow("windows complet") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows
                                     << uR"(C:\WINDOWS\)"_s << u"NOTEPAD.EXE"_s << u".EXE"_s;
    QTest::newRow("sans separateur")
        << u"NOTEPAD.EXE"_s << Windows << QString() << u"NOTEPAD.EXE"_s << u".EXE"_s;
    QTest::newRow("deux-points separe")
        << u"C:NOTE.TXT"_s << Windows << u"C:"_s << u"NOTE.TXT"_s << u".TXT"_s;
    QTest::newRow("dernier point seul")
        << uR"(C:\A.B.EXE)"_s << Windows << uR"(C:\)"_s << u"A.B.EXE"_s << u".EXE"_s;
    QTest::newRow("point du repertoire ignore")
        << uR"(C:\DIR.X\FICHIER)"_s << Windows << uR"(C:\DIR.X\)"_s << u"FICHIER"_s << QString();
    QTest::newRow("repertoire nu")
        << uR"(C:\DOCS\)"_s << Windows << uR"(C:\DOCS\)"_s << QString() << QString();
    QTest::newRow("barre oblique pas separateur sous windows")
        << u"C:/dir/a.txt"_s << Windows << u"C:"_s << u"/dir/a.txt"_s << u".txt"_s;
    QTest::newRow("linux programme")
        << u"/usr/bin/gedit"_s << Posix << u"/usr/bin/"_s << u"gedit"_s << QString();
    QTest::newRow("linux espaces") << u"/home/u/Mes Documents/a.txt"_s << Posix
                                   << u"/home/u/Mes Documents/"_s << u"a.txt"_s << u".txt"_s;
    QTest::newRow("linux fichier cache")
        << u"/home/u/.bashrc"_s << Posix << u"/home/u/"_s << u".bashrc"_s << u".bashrc"_s;
    QTest::newRow("linux point dans un repertoire")
        << u"/opt/v1.2/README"_s << Posix << u"/opt/v1.2/"_s << u"README"_s << QString();
    QTest::newRow("linux racine") << u"/"_s << Posix << u"/"_s << QString() << QString();
    QTest::newRow("contre-oblique pas separateur sous linux")
        << uR"(a\b:c.d)"_s << Posix << QString() << uR"(a\b:c.d)"_s << u".d"_s;
}

void TestReglesChemin::partiesDuChemin() {
    QFETCH(QString, chemin);
    QFETCH(QString, separateurs);
    QFETCH(QString, repertoire);
    QFETCH(QString, nom);
    QFETCH(QString, extension);

    QCOMPARE(PartieRepertoire(chemin, separateurs), repertoire);
    QCOMPARE(PartieNom(chemin, separateurs), nom);
    QCOMPARE(PartieExtension(chemin, separateurs), extension);
}

void TestReglesChemin::partiesCoupees_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("extension");

    const QString long300 = QString(300, u'n');
    const QString long255 = QString(255, u'n');
    QTest::newRow("nom windows") << uR"(C:\)"_s + long300 << Windows << uR"(C:\)"_s << long255
                                 << QString();
    QTest::newRow("nom linux") << u"/tmp/"_s + long300 << Posix << u"/tmp/"_s << long255
                               << QString();
    QTest::newRow("extension") << u"/tmp/a."_s + long300 << Posix << u"/tmp/"_s
                               << u"a."_s + QString(253, u'n') << u"."_s + QString(254, u'n');
    QTest::newRow("repertoire jamais coupe")
        << long300 + u"/a"_s << Posix << long300 + u"/"_s << u"a"_s << QString();
    QTest::newRow("exactement 255")
        << u"/tmp/"_s + long255 << Posix << u"/tmp/"_s << long255 << QString();
    // A character outside the basic plane takes two code units; it is kept or cut whole.
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("paire gardee entiere") << u"/"_s + QString(254, u'n') + emoji + u"x"_s << Posix
                                          << u"/"_s << QString(254, u'n') + emoji << QString();
}

void TestReglesChemin::partiesCoupees() {
    partiesDuChemin();
}

void TestReglesChemin::repertoireLigCom_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("repertoire");

    QTest::newRow("vide") << QString() << Windows << QString();
    QTest::newRow("programme seul")
        << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows << uR"(C:\WINDOWS\)"_s;
    QTest::newRow("sans separateur") << u"NOTEPAD.EXE"_s << Windows << QString();
    QTest::newRow("sans guillemets, pas de mots")
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\DOCS\A.TXT)"_s << Windows
        << uR"(C:\WINDOWS\NOTEPAD.EXE C:\DOCS\)"_s;
    QTest::newRow("programme entre guillemets")
        << uR"("C:\Program Files\App\app.exe")"_s << Windows << uR"(C:\Program Files\App\)"_s;
    QTest::newRow("dernier mot entre guillemets")
        << uR"("C:\Program Files\App\app.exe" "D:\My Docs\letter.doc")"_s << Windows
        << uR"(D:\My Docs\)"_s;
    QTest::newRow("programme nu, document entre guillemets")
        << uR"(C:\APP\APP.EXE "D:\My Docs\letter.doc")"_s << Windows << uR"(D:\My Docs\)"_s;
    QTest::newRow("option sans separateur")
        << uR"("C:\Program Files\App\app.exe" -p)"_s << Windows << QString();
    QTest::newRow("dernier caractere laisse")
        << uR"("C:\Program Files\App\app.exe" D:\DOCS\)"_s << Windows << uR"(D:\)"_s;
    QTest::newRow("guillemet jamais ferme")
        << uR"("C:\A B\app.exe -p)"_s << Windows << uR"(C:\A B\)"_s;
    QTest::newRow("espaces finals") << uR"("C:\A B\app.exe"   )"_s << Windows << uR"(C:\A B\)"_s;
    QTest::newRow("linux programme") << u"/usr/bin/gedit"_s << Posix << u"/usr/bin/"_s;
    QTest::newRow("linux sans guillemets, arguments compris")
        << u"/usr/bin/gedit /home/u/a.txt"_s << Posix << u"/usr/bin/gedit /home/u/"_s;
    QTest::newRow("linux programme entre guillemets")
        << u"\"/opt/My App/app\""_s << Posix << u"/opt/My App/"_s;
    QTest::newRow("linux programme entre guillemets et document")
        << u"\"/opt/My App/app\" /home/u/a.txt"_s << Posix << u"/home/u/"_s;
    QTest::newRow("linux programme entre guillemets et option")
        << u"\"/opt/My App/app\" --new-window"_s << Posix << QString();
    QTest::newRow("linux document entre guillemets")
        << u"/usr/bin/gedit \"/home/u/Mes Documents/a.txt\""_s << Posix
        << u"/home/u/Mes Documents/"_s;
    QTest::newRow("un guillemet seul") << u"\""_s << Posix << QString();
}

void TestReglesChemin::repertoireLigCom() {
    QFETCH(QString, ligne);
    QFETCH(QString, separateurs);
    QFETCH(QString, repertoire);

    QCOMPARE(RepertoireLigCom(ligne, separateurs), repertoire);
}

void TestReglesChemin::nomInfobulle_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("nom");

    QTest::newRow("vide") << QString() << Windows << QString();
    QTest::newRow("notepad") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows << u"Notepad"_s;
    QTest::newRow("guillemet avec l'extension")
        << uR"("C:\Program Files\App\APP.EXE")"_s << Windows << u"App"_s;
    QTest::newRow("premier point") << uR"(C:\APPS\MY.TOOL.EXE)"_s << Windows << u"My"_s;
    QTest::newRow("sans point") << uR"(C:\APPS\README)"_s << Windows << u"Readme"_s;
    QTest::newRow("sans point, guillemet garde")
        << uR"("C:\APPS\README")"_s << Windows << u"Readme\""_s;
    QTest::newRow("point juste apres l'initiale") << uR"(C:\APPS\.hidden)"_s << Windows << u"."_s;
    QTest::newRow("guillemet initial") << u"\"NOTEPAD.EXE\""_s << Windows << u"\"notepad"_s;
    QTest::newRow("dernier separateur de la ligne")
        << uR"(C:\WIN\NOTEPAD.EXE C:\DOCS\A.TXT)"_s << Windows << u"A"_s;
    QTest::newRow("initiale accentuee") << uR"(c:\apps\émile.exe)"_s << Windows << u"émile"_s;
    QTest::newRow("capitale accentuee abaissee")
        << uR"(C:\APPS\CAFÉ.EXE)"_s << Windows << u"Café"_s;
    QTest::newRow("repertoire nu") << uR"(C:\APPS\)"_s << Windows << QString();
    QTest::newRow("lecteur nu") << u"C:"_s << Windows << QString();
    QTest::newRow("linux programme") << u"/usr/bin/gedit"_s << Posix << u"Gedit"_s;
    QTest::newRow("linux document")
        << u"/home/u/Mes Documents/LETTRE.odt"_s << Posix << u"Lettre"_s;
    QTest::newRow("linux capitale accentuee") << u"/home/u/ÉCOLE.TXT"_s << Posix << u"École"_s;
    QTest::newRow("linux repertoire nu") << u"/usr/bin/"_s << Posix << QString();
    QTest::newRow("initiale hors du plan de base")
        << u"/tmp/\U0001F600ABC.txt"_s << Posix << u"\U0001F600abc"_s;
}

void TestReglesChemin::nomInfobulle() {
    QFETCH(QString, texte);
    QFETCH(QString, separateurs);
    QFETCH(QString, nom);

    QCOMPARE(NomInfobulle(texte, separateurs), nom);
}

void TestReglesChemin::entreGuillemets_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("resultat");

    QTest::newRow("espace") << uR"(C:\My Docs\a.txt)"_s << uR"("C:\My Docs\a.txt")"_s;
    QTest::newRow("sans espace") << uR"(C:\DOCS\A.TXT)"_s << uR"(C:\DOCS\A.TXT)"_s;
    QTest::newRow("deja entre guillemets")
        << uR"("C:\My Docs\a.txt")"_s << uR"("C:\My Docs\a.txt")"_s;
    QTest::newRow("linux espace") << u"/opt/My App/app"_s << u"\"/opt/My App/app\""_s;
    QTest::newRow("guillemet a l'interieur") << u"/tmp/a \"b"_s << u"/tmp/a \"b"_s;
    QTest::newRow("vide") << QString() << QString();
}

void TestReglesChemin::entreGuillemets() {
    QFETCH(QString, chemin);
    QFETCH(QString, resultat);

    QCOMPARE(EntreGuillemets(chemin), resultat);
}

QTEST_APPLESS_MAIN(TestReglesChemin)
#include "tst_reglechemin.moc"
