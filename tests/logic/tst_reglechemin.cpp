#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Windows = SeparateursWindows.toString();
const QString Posix = SeparateursPosix.toString();

} // namespace

// The drop and dialog tests see plain POSIX paths and command lines with and without arguments;
// these are the other cases.
class TestReglesChemin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partiesDuChemin_data() {
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
        QTest::newRow("contre-oblique pas separateur sous linux")
            << uR"(a\b:c.d)"_s << Posix << QString() << uR"(a\b:c.d)"_s << u".d"_s;

        // Extensions are cut to 255 characters, directories never.
        const QString n300 = QString(300, u'n');
        QTest::newRow("extension coupee")
            << u"/tmp/a."_s + n300 << Posix << u"/tmp/"_s << u"a."_s + QString(253, u'n')
            << u"."_s + QString(254, u'n');
        QTest::newRow("repertoire jamais coupe")
            << n300 + u"/a"_s << Posix << n300 + u"/"_s << u"a"_s << QString();
        // A character outside the basic plane takes two code units; it is kept or cut whole.
        const QString emoji = u"\U0001F600"_s;
        QTest::newRow("paire gardee entiere")
            << u"/"_s + QString(254, u'n') + emoji + u"x"_s << Posix << u"/"_s
            << QString(254, u'n') + emoji << QString();
    }
    void partiesDuChemin() {
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
    void repertoireEtNom_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("separateurs");
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QString>("nom");

        QTest::newRow("vide") << QString() << Posix << QString() << QString();
        QTest::newRow("notepad") << uR"(C:\WINDOWS\NOTEPAD.EXE)"_s << Windows << uR"(C:\WINDOWS\)"_s
                                 << u"Notepad"_s;
        QTest::newRow("option sans separateur")
            << uR"("C:\Program Files\App\app.exe" -p)"_s << Windows << QString() << u"App"_s;
        QTest::newRow("dernier caractere laisse") << uR"("C:\Program Files\App\app.exe" D:\DOCS\)"_s
                                                  << Windows << uR"(D:\)"_s << QString();
        QTest::newRow("espaces finals")
            << uR"("C:\A B\app.exe"   )"_s << Windows << uR"(C:\A B\)"_s << u"App"_s;
        QTest::newRow("premier point")
            << uR"(C:\APPS\MY.TOOL.EXE)"_s << Windows << uR"(C:\APPS\)"_s << u"My"_s;
        QTest::newRow("sans point, guillemet garde")
            << uR"("C:\APPS\README")"_s << Windows << uR"(C:\APPS\)"_s << u"Readme\""_s;
        QTest::newRow("point juste apres l'initiale")
            << uR"(C:\APPS\.hidden)"_s << Windows << uR"(C:\APPS\)"_s << u"."_s;
        QTest::newRow("initiale accentuee")
            << uR"(c:\apps\émile.exe)"_s << Windows << uR"(c:\apps\)"_s << u"émile"_s;
        QTest::newRow("initiale hors du plan de base")
            << u"/tmp/\U0001F600ABC.txt"_s << Posix << u"/tmp/"_s << u"\U0001F600abc"_s;
    }
    void repertoireEtNom() {
        QFETCH(QString, ligne);
        QFETCH(QString, separateurs);
        QFETCH(QString, repertoire);
        QFETCH(QString, nom);
        QCOMPARE(RepertoireLigCom(ligne, separateurs), repertoire);
        QCOMPARE(NomInfobulle(ligne, separateurs), nom);
    }

    // The drop scenario opens a file whose path has a space with a button's program.
    void entreGuillemets() {
        QCOMPARE(EntreGuillemets(uR"(C:\DOCS\A.TXT)"_s), uR"(C:\DOCS\A.TXT)"_s);
        QCOMPARE(EntreGuillemets(uR"("C:\My Docs\a.txt")"_s), uR"("C:\My Docs\a.txt")"_s);
    }
};

QTEST_APPLESS_MAIN(TestReglesChemin)
#include "tst_reglechemin.moc"
