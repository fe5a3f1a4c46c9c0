#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"

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
    void repertoireEtNom_data();
    void repertoireEtNom();
    void entreGuillemets_data();
    void entreGuillemets();
    void separateurFinal_data();
    void separateurFinal();
    void formatExport_data();
    void formatExport();
};

void TestReglesChemin::partiesDuChemin_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("extension");

    QTest::newRow("vide") << QString() << Windows << QString() << QString() << QString();
    QTest::newRow("windows") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows << uR"(C:\WINDOWS\)"_s
                             << u"NOTEPAD.EXE"_s << u".EXE"_s;
    QTest::newRow("deux-points separe")
        << u"C:NOTE.TXT"_s << Windows << u"C:"_s << u"NOTE.TXT"_s << u".TXT"_s;
    QTest::newRow("dernier point seul")
        << uR"(C:\A.B.EXE)"_s << Windows << uR"(C:\)"_s << u"A.B.EXE"_s << u".EXE"_s;
    QTest::newRow("point du repertoire ignore")
        << u"/opt/v1.2/README"_s << Posix << u"/opt/v1.2/"_s << u"README"_s << QString();
    QTest::newRow("repertoire nu")
        << uR"(C:\DOCS\)"_s << Windows << uR"(C:\DOCS\)"_s << QString() << QString();
    QTest::newRow("barre oblique pas separateur sous windows")
        << u"C:/dir/a.txt"_s << Windows << u"C:"_s << u"/dir/a.txt"_s << u".txt"_s;
    QTest::newRow("contre-oblique pas separateur sous linux")
        << uR"(a\b:c.d)"_s << Posix << QString() << uR"(a\b:c.d)"_s << u".d"_s;
    QTest::newRow("fichier cache")
        << u"/home/u/.bashrc"_s << Posix << u"/home/u/"_s << u".bashrc"_s << u".bashrc"_s;

    // Names and extensions are cut to 255 characters, directories never.
    const QString n300 = QString(300, u'n');
    const QString n255 = QString(255, u'n');
    QTest::newRow("nom coupe") << u"/tmp/"_s + n300 << Posix << u"/tmp/"_s << n255 << QString();
    QTest::newRow("extension coupee")
        << u"/tmp/a."_s + n300 << Posix << u"/tmp/"_s << u"a."_s + QString(253, u'n')
        << u"."_s + QString(254, u'n');
    QTest::newRow("repertoire jamais coupe")
        << n300 + u"/a"_s << Posix << n300 + u"/"_s << u"a"_s << QString();
    // A character outside the basic plane takes two code units; it is kept or cut whole.
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("paire gardee entiere") << u"/"_s + QString(254, u'n') + emoji + u"x"_s << Posix
                                          << u"/"_s << QString(254, u'n') + emoji << QString();
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

// What the configuration dialog takes from a command line: a working directory and a name.
void TestReglesChemin::repertoireEtNom_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("nom");

    QTest::newRow("vide") << QString() << Windows << QString() << QString();
    QTest::newRow("notepad") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows << uR"(C:\WINDOWS\)"_s
                             << u"Notepad"_s;
    QTest::newRow("sans guillemets, pas de mots")
        << uR"(C:\WIN\NOTEPAD.EXE C:\DOCS\A.TXT)"_s << Windows
        << uR"(C:\WIN\NOTEPAD.EXE C:\DOCS\)"_s << u"A"_s;
    QTest::newRow("programme entre guillemets") << uR"("C:\Program Files\App\app.exe")"_s << Windows
                                                << uR"(C:\Program Files\App\)"_s << u"App"_s;
    QTest::newRow("option sans separateur")
        << uR"("C:\Program Files\App\app.exe" -p)"_s << Windows << QString() << u"App"_s;
    QTest::newRow("dernier caractere laisse")
        << uR"("C:\Program Files\App\app.exe" D:\DOCS\)"_s << Windows << uR"(D:\)"_s << QString();
    QTest::newRow("guillemet jamais ferme")
        << uR"("C:\A B\app.exe -p)"_s << Windows << uR"(C:\A B\)"_s << u"App"_s;
    QTest::newRow("espaces finals")
        << uR"("C:\A B\app.exe"   )"_s << Windows << uR"(C:\A B\)"_s << u"App"_s;
    QTest::newRow("un guillemet seul") << u"\""_s << Posix << QString() << u"\""_s;
    QTest::newRow("premier point")
        << uR"(C:\APPS\MY.TOOL.EXE)"_s << Windows << uR"(C:\APPS\)"_s << u"My"_s;
    QTest::newRow("sans point, guillemet garde")
        << uR"("C:\APPS\README")"_s << Windows << uR"(C:\APPS\)"_s << u"Readme\""_s;
    QTest::newRow("point juste apres l'initiale")
        << uR"(C:\APPS\.hidden)"_s << Windows << uR"(C:\APPS\)"_s << u"."_s;
    QTest::newRow("guillemet initial")
        << u"\"NOTEPAD.EXE\""_s << Windows << QString() << u"\"notepad"_s;
    QTest::newRow("initiale accentuee")
        << uR"(c:\apps\émile.exe)"_s << Windows << uR"(c:\apps\)"_s << u"émile"_s;
    QTest::newRow("capitale accentuee abaissee")
        << u"/home/u/ÉCOLE.TXT"_s << Posix << u"/home/u/"_s << u"École"_s;
    QTest::newRow("lecteur nu") << u"C:"_s << Windows << u"C:"_s << QString();
    QTest::newRow("initiale hors du plan de base")
        << u"/tmp/\U0001F600ABC.txt"_s << Posix << u"/tmp/"_s << u"\U0001F600abc"_s;
}

void TestReglesChemin::repertoireEtNom() {
    QFETCH(QString, ligne);
    QFETCH(QString, separateurs);
    QFETCH(QString, repertoire);
    QFETCH(QString, nom);
    QCOMPARE(RepertoireLigCom(ligne, separateurs), repertoire);
    QCOMPARE(NomInfobulle(ligne, separateurs), nom);
}

void TestReglesChemin::entreGuillemets_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("resultat");

    QTest::newRow("espace") << uR"(C:\My Docs\a.txt)"_s << uR"("C:\My Docs\a.txt")"_s;
    QTest::newRow("sans espace") << uR"(C:\DOCS\A.TXT)"_s << uR"(C:\DOCS\A.TXT)"_s;
    QTest::newRow("deja entre guillemets")
        << uR"("C:\My Docs\a.txt")"_s << uR"("C:\My Docs\a.txt")"_s;
    QTest::newRow("guillemet a l'interieur") << u"/tmp/a \"b"_s << u"/tmp/a \"b"_s;
    QTest::newRow("vide") << QString() << QString();
}

void TestReglesChemin::entreGuillemets() {
    QFETCH(QString, chemin);
    QFETCH(QString, resultat);
    QCOMPARE(EntreGuillemets(chemin), resultat);
}

// The configuration dialog's tests see /tmp with and without its separator, and empty.
void TestReglesChemin::separateurFinal_data() {
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QChar>("separateur");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("C:\\TEMP") << uR"(C:\TEMP)"_s << QChar(u'\\') << uR"(C:\TEMP\)"_s;
    QTest::newRow("C:\\TEMP\\") << uR"(C:\TEMP\)"_s << QChar(u'\\') << uR"(C:\TEMP\)"_s;
    QTest::newRow("lecteur") << u"C:"_s << QChar(u'\\') << uR"(C:\)"_s;
    QTest::newRow("racine") << u"/"_s << QChar(u'/') << u"/"_s;
}

void TestReglesChemin::separateurFinal() {
    QFETCH(QString, repertoire);
    QFETCH(QChar, separateur);
    QFETCH(QString, attendu);
    QCOMPARE(AvecSeparateurFinal(repertoire, separateur), attendu);
}

// The export tests see the plain names (.bmp, .BMP, .ico, .bmpx, .png, .bm, none).
void TestReglesChemin::formatExport_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<FormatIcone>("attendu");

    QTest::newRow("icone.Ico") << u"/tmp/icone.Ico"_s << Posix << FormatIcone::Ico;
    QTest::newRow("icone.icons") << u"/tmp/icone.icons"_s << Posix << FormatIcone::Ico;
    QTest::newRow("point du repertoire") << u"/tmp/a.bmp/icone"_s << Posix << FormatIcone::Aucun;
    QTest::newRow("dernier point") << u"/tmp/icone.ico.bmp"_s << Posix << FormatIcone::Bmp;
    QTest::newRow("accent non converti") << u"/tmp/icone.bmé"_s << Posix << FormatIcone::Aucun;
    QTest::newRow("windows") << uR"(C:\ICONES\A.ICO)"_s << Windows << FormatIcone::Ico;
}

void TestReglesChemin::formatExport() {
    QFETCH(QString, nom);
    QFETCH(QString, separateurs);
    QFETCH(FormatIcone, attendu);
    QCOMPARE(FormatExport(nom, separateurs), attendu);
}

QTEST_APPLESS_MAIN(TestReglesChemin)
#include "tst_reglechemin.moc"
