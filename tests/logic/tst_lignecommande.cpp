#include "logic/EntreeBureau.h"
#include "logic/LigneCommande.h"
#include "logic/ReglesChemin.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The launch tests start a real program with a quoted path and quoted, empty and shell-looking
// arguments; the drop tests fill a button from a desktop entry. These are the rules' other cases.
class TestLigneCommande : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A line holding a double quote anywhere is started as it is; a line without one is one
    // program path, spaces and all.
    void commandeLancement_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("programme");
        QTest::newRow("guillemets") << u"/opt/ed --titre=\"a b\""_s << u"/opt/ed"_s;
        QTest::newRow("sans guillemets") << u"/opt/mon app -x"_s << u"/opt/mon app -x"_s;
    }
    void commandeLancement() {
        QFETCH(QString, ligne);
        QFETCH(QString, programme);
        QCOMPARE(ProgrammeLigCom(ligne), programme);
    }

    void repertoireLancement_data() {
        QTest::addColumn<QString>("wDir");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("separateur final ote") << u"/tmp/x/"_s << u"/tmp/x"_s;
        QTest::newRow("la racine reste la racine") << u"/"_s << u"/"_s;
        QTest::newRow("vide") << QString() << QString();
        QTest::newRow("une lettre") << u"a"_s << u"a"_s;
    }
    void repertoireLancement() {
        QFETCH(QString, wDir);
        QFETCH(QString, attendu);
        QCOMPARE(RepertoireLancement(wDir, SeparateursPosix), attendu);
    }

    // Out of the class: moc cannot read raw strings holding quotes.
    void decouper_data();
    void decouper() {
        QFETCH(QString, commande);
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        const CommandeDecoupee d = DecouperCommande(commande);
        QCOMPARE(d.programme, programme);
        QCOMPARE(d.arguments, arguments);
    }

    void argumentsExec_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("echappements") << u"sh -c \"echo \\\"a\\\" \\$HOME\""_s
                                      << QStringList{u"sh"_s, u"-c"_s, u"echo \"a\" $HOME"_s};
        QTest::newRow("code colle et pourcent")
            << u"app --file=%f 100%% %i"_s << QStringList{u"app"_s, u"--file="_s, u"100%"_s};
    }
    void argumentsExec() {
        QFETCH(QString, exec);
        QFETCH(QStringList, arguments);
        QCOMPARE(ArgumentsExec(exec), arguments);
    }

    // The line built for a button from a desktop entry is split back, at the launch, into the
    // same arguments.
    void allerRetour_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("arguments")
            << QStringList{u"firefox"_s, u"--new-window"_s, u"deux mots"_s, QString()};
        QTest::newRow("guillemets et barres")
            << QStringList{u"sh"_s, u"-c"_s, u"echo \"a\\\" b\\\\"_s};
    }
    void allerRetour() {
        QFETCH(QStringList, arguments);
        const CommandeDecoupee c = DecouperCommande(CommandeLancement(LigneDeCommande(arguments)));
        QCOMPARE(c.programme, arguments.first());
        QCOMPARE(c.arguments, arguments.mid(1));
    }

    // The value's own escapes come first: a backslash written twice is one, which then escapes the
    // quote inside the quoted argument.
    void execEchappeDansLeFichier();

    void entreeSansGroupe() { QVERIFY(!LireEntreeBureau("[Desktop Action A]\nExec=b\n")); }
};

void TestLigneCommande::execEchappeDansLeFichier() {
    const auto e = LireEntreeBureau(R"([Desktop Entry]
Exec=app "quoted \\"arg\\""
)");
    QVERIFY(e);
    QCOMPARE(ArgumentsExec(e->exec), (QStringList{u"app"_s, u"quoted \"arg\""_s}));
}

void TestLigneCommande::decouper_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("arguments");

    const QString p = u"p"_s;
    QTest::newRow("blancs") << u" \tp a  b\tc "_s << p << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("guillemets au milieu d'un mot")
        << u"/opt/ed --titre=\"a b\""_s << u"/opt/ed"_s << QStringList{u"--titre=a b"_s};
    QTest::newRow("3 barres et guillemet: 1 barre et guillemet litteral")
        << uR"(p a\\\"b)"_s << p << QStringList{uR"(a\"b)"_s};
    QTest::newRow("piege: barre finale avant le guillemet fermant")
        << uR"(p "C:\dir\" x)"_s << p << QStringList{uR"(C:\dir" x)"_s};
    QTest::newRow("guillemet double dans des guillemets")
        << u"p \"a\"\"b\""_s << p << QStringList{u"a\"b"_s};
    QTest::newRow("programme: pas d'echappement")
        << uR"("C:\dir\"x y)"_s << uR"(C:\dir\)"_s << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("argument vide et argument non ferme")
        << u"p \"\" \"a b"_s << p << QStringList{QString(), u"a b"_s};
    QTest::newRow("programme non ferme")
        << u"\"/opt/mon app -x"_s << u"/opt/mon app -x"_s << QStringList();
}

QTEST_APPLESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
