#include "logic/EntreeBureau.h"
#include "logic/LigneCommande.h"
#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

static const QString Windows = SeparateursWindows.toString();
static const QString Posix = SeparateursPosix.toString();

// The cases of paths and command lines that the drop, dialog and launch tests do not see.
class TestReglesChemin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partiesDuChemin_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("separateurs");
        QTest::addColumn<QString>("parties"); // directory|name|extension
        QTest::newRow("vide") << QString() << Windows << u"||"_s;
        QTest::newRow("deux-points separe") << u"C:NOTE.TXT"_s << Windows << u"C:|NOTE.TXT|.TXT"_s;
        QTest::newRow("dernier point seul")
            << uR"(C:\A.B.EXE)"_s << Windows << uR"(C:\|A.B.EXE|.EXE)"_s;
        QTest::newRow("point du repertoire ignore")
            << u"/opt/v1.2/README"_s << Posix << u"/opt/v1.2/|README|"_s;
        QTest::newRow("contre-oblique pas separateur sous linux")
            << uR"(a\b:c.d)"_s << Posix << uR"(|a\b:c.d|.d)"_s;
        // Names and extensions are cut to 255 characters, directories never.
        const QString n300 = QString(300, u'n');
        QTest::newRow("extension coupee")
            << u"/tmp/a."_s + n300 << Posix
            << u"/tmp/|a."_s + n300.left(253) + u"|."_s + n300.left(254);
        QTest::newRow("repertoire jamais coupe") << n300 + u"/a"_s << Posix << n300 + u"/|a|"_s;
        // A character outside the basic plane takes two code units; it is kept or cut whole.
        QTest::newRow("paire gardee entiere") << u"/"_s + n300.left(254) + u"\U0001F600x"_s << Posix
                                              << u"/|"_s + n300.left(254) + u"\U0001F600|"_s;
    }
    void partiesDuChemin() {
        QFETCH(QString, chemin);
        QFETCH(QString, separateurs);
        QFETCH(QString, parties);
        QCOMPARE(PartieRepertoire(chemin, separateurs) + u'|' + PartieNom(chemin, separateurs) +
                     u'|' + PartieExtension(chemin, separateurs),
                 parties);
    }

    // What the configuration dialog takes from a command line: a working directory and a name.
    void repertoireEtNom_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("separateurs");
        QTest::addColumn<QString>("attendu"); // directory|name
        QTest::newRow("vide") << QString() << Posix << u"|"_s;
        QTest::newRow("sans guillemets, separateur final")
            << uR"(C:\DOCS\)"_s << Windows << uR"(C:\DOCS\|)"_s;
        QTest::newRow("option sans separateur")
            << uR"("C:\Program Files\App\app.exe" -p)"_s << Windows << u"|App"_s;
        QTest::newRow("argument d'une lettre")
            << uR"("C:\A B\zed.exe" x)"_s << Windows << u"|Zed"_s;
        QTest::newRow("dernier caractere laisse")
            << uR"("C:\Program Files\App\app.exe" D:\DOCS\)"_s << Windows << uR"(D:\|)"_s;
        QTest::newRow("espaces finals")
            << uR"("C:\A B\app.exe"   )"_s << Windows << uR"(C:\A B\|App)"_s;
        QTest::newRow("premier point")
            << uR"(C:\APPS\MY.TOOL.EXE)"_s << Windows << uR"(C:\APPS\|My)"_s;
        QTest::newRow("sans point, guillemet garde")
            << uR"("C:\APPS\README")"_s << Windows << u"C:\\APPS\\|Readme\""_s;
        QTest::newRow("point juste apres l'initiale")
            << uR"(C:\APPS\.hidden)"_s << Windows << uR"(C:\APPS\|.)"_s;
        QTest::newRow("initiale accentuee")
            << uR"(c:\apps\émile.exe)"_s << Windows << uR"(c:\apps\|émile)"_s;
        QTest::newRow("initiale hors du plan de base")
            << u"/tmp/\U0001F600ABC.txt"_s << Posix << u"/tmp/|\U0001F600abc"_s;
    }
    void repertoireEtNom() {
        QFETCH(QString, ligne);
        QFETCH(QString, separateurs);
        QFETCH(QString, attendu);
        QCOMPARE(RepertoireLigCom(ligne, separateurs) + u'|' + NomInfobulle(ligne, separateurs),
                 attendu);
    }

    // A line holding a double quote anywhere is started as it is. A working directory loses its
    // trailing separator, but a root.
    void lancement() {
        QCOMPARE(ProgrammeLigCom(u"/opt/ed --titre=\"a b\""_s), u"/opt/ed"_s);
        QCOMPARE(RepertoireLancement(u"/tmp/x/"_s, SeparateursPosix), u"/tmp/x"_s);
        QCOMPARE(RepertoireLancement(u"/"_s, SeparateursPosix), u"/"_s);
        QCOMPARE(RepertoireLancement(QString(), SeparateursPosix), QString());
        // The drop scenario opens a file whose path has a space with a button's program.
        QCOMPARE(EntreGuillemets(uR"(C:\DOCS\A.TXT)"_s), uR"(C:\DOCS\A.TXT)"_s);
        QCOMPARE(EntreGuillemets(uR"("C:\My Docs\a.txt")"_s), uR"("C:\My Docs\a.txt")"_s);
    }

    // Out of the class: moc cannot read raw strings holding quotes.
    void decouper_data();
    void decouper() {
        QFETCH(QString, commande);
        QFETCH(QStringList, attendu); // the program, then the arguments
        const CommandeDecoupee d = DecouperCommande(commande);
        QCOMPARE(QStringList{d.programme} + d.arguments, attendu);
    }

    // A button's line built from a desktop entry splits back, at the launch, into its arguments;
    // in the entry, a doubled backslash is one first, which then escapes a quote inside quotes.
    void entreeBureau() {
        QCOMPARE(ArgumentsExec(u"sh -c \"echo \\\"a\\\" \\$HOME\""_s),
                 (QStringList{u"sh"_s, u"-c"_s, u"echo \"a\" $HOME"_s}));
        QCOMPARE(ArgumentsExec(u"app --file=%f 100%% 5% %i"_s),
                 (QStringList{u"app"_s, u"--file="_s, u"100%"_s, u"5%"_s}));
        for (const QStringList &arguments :
             {QStringList{u"firefox"_s, u"--new-window"_s, u"deux\\ mots"_s, QString()},
              QStringList{u"sh"_s, u"-c"_s, u"echo \"a\\\" b\\\\"_s}}) {
            const CommandeDecoupee c =
                DecouperCommande(CommandeLancement(LigneDeCommande(arguments)));
            QCOMPARE(QStringList{c.programme} + c.arguments, arguments);
        }
        const auto e = LireEntreeBureau("[Desktop Entry]\nExec=app \"quoted \\\\\"arg\\\\\"\"\n");
        QVERIFY(e);
        QCOMPARE(ArgumentsExec(e->exec), (QStringList{u"app"_s, u"quoted \"arg\""_s}));
        QVERIFY(!LireEntreeBureau("[Desktop Action A]\nExec=b\n"));
        QCOMPARE(LigneDeCommande({u"xterm"_s}), u"xterm"_s);
    }
};

void TestReglesChemin::decouper_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("blancs") << u" \tp a  b\tc "_s << QStringList{u"p"_s, u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("guillemets au milieu d'un mot")
        << u"/opt/ed --titre=\"a b\""_s << QStringList{u"/opt/ed"_s, u"--titre=a b"_s};
    QTest::newRow("3 barres et guillemet: 1 barre et guillemet litteral")
        << uR"(p a\\\"b)"_s << QStringList{u"p"_s, uR"(a\"b)"_s};
    QTest::newRow("piege: barre finale avant le guillemet fermant")
        << uR"(p "C:\dir\" x)"_s << QStringList{u"p"_s, uR"(C:\dir" x)"_s};
    QTest::newRow("guillemet double dans des guillemets")
        << u"p \"a\"\"b\""_s << QStringList{u"p"_s, u"a\"b"_s};
    QTest::newRow("programme: pas d'echappement")
        << uR"("C:\dir\"x y)"_s << QStringList{uR"(C:\dir\)"_s, u"x"_s, u"y"_s};
    QTest::newRow("argument vide et argument non ferme")
        << u"p \"\" \"a b"_s << QStringList{u"p"_s, QString(), u"a b"_s};
    QTest::newRow("programme non ferme")
        << u"\"/opt/mon app -x"_s << QStringList{u"/opt/mon app -x"_s};
}

QTEST_APPLESS_MAIN(TestReglesChemin)
#include "tst_reglechemin.moc"
