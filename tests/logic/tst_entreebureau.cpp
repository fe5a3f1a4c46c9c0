#include "logic/EntreeBureau.h"
#include "logic/LigneCommande.h"

#include <QTest>

class TestEntreeBureau : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void argumentsExec_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("simple") << u"gedit %U"_qs << QStringList{u"gedit"_qs};
        QTest::newRow("guillemets")
            << u"\"/opt/Mon App/app\" --x %f"_qs << QStringList{u"/opt/Mon App/app"_qs, u"--x"_qs};
        QTest::newRow("echappements") << u"sh -c \"echo \\\"a\\\" \\$HOME\""_qs
                                      << QStringList{u"sh"_qs, u"-c"_qs, u"echo \"a\" $HOME"_qs};
        QTest::newRow("pourcent") << u"printf 100%% %i"_qs << QStringList{u"printf"_qs, u"100%"_qs};
        QTest::newRow("code colle") << u"app --file=%f"_qs << QStringList{u"app"_qs, u"--file="_qs};
    }
    void argumentsExec() {
        QFETCH(QString, exec);
        QFETCH(QStringList, arguments);
        QCOMPARE(ArgumentsExec(exec), arguments);
    }

    // The line built for a button is split back, at the launch, into the same arguments.
    void allerRetour_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("seul") << QStringList{u"gedit"_qs};
        QTest::newRow("espaces") << QStringList{u"/opt/Mon App/app"_qs};
        QTest::newRow("arguments")
            << QStringList{u"firefox"_qs, u"--new-window"_qs, u"deux mots"_qs, QString()};
        QTest::newRow("guillemets et barres")
            << QStringList{u"sh"_qs, u"-c"_qs, u"echo \"a\\\" b\\\\"_qs};
    }
    void allerRetour() {
        QFETCH(QStringList, arguments);
        const CommandeDecoupee c = DecouperCommande(CommandeLancement(LigneDeCommande(arguments)));
        QCOMPARE(c.programme, arguments.first());
        QCOMPARE(c.arguments, arguments.mid(1));
    }

    void lecture() {
        const auto e = LireEntreeBureau("# x\n[Desktop Entry]\nName=Éditeur\nName[fr]=Autre\n"
                                        "Exec=ed %F\nPath=/tmp\n[Desktop Action A]\nExec=b\n");
        QVERIFY(e);
        QCOMPARE(e->name, u"Éditeur"_qs);
        QCOMPARE(e->exec, u"ed %F"_qs);
        QCOMPARE(e->path, u"/tmp"_qs);
        QVERIFY(!LireEntreeBureau("[Desktop Action A]\nExec=b\n"));
        QVERIFY(!LireEntreeBureau(QByteArray("\x00\xff\xfe", 3)));
    }
};

QTEST_GUILESS_MAIN(TestEntreeBureau)
#include "tst_entreebureau.moc"
