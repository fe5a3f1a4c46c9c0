#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QTest>

namespace {

const QByteArray Tableau = "[TRESSOLA]\nPosition=0\n"
                           "[MAIN]\n0LigCom=\n0NomSection=SECTION0\n1LigCom=/bin/plein\n"
                           "1NomSection=SECTION1\nNombre=2\n"
                           "[SECTION0]\n0LigCom=/bin/tiroir\n0Hint=Tiroir\n1LigCom=\nNombre=2\n"
                           "[SECTION1]\nNombre=0\n";

QStringList champs(const TBoutonAppli *r) {
    return {r->LigCom,
            r->WDir,
            r->Hint,
            r->Name,
            QString::number(r->Icon),
            QString::number(r->Lancement)};
}

QStringList champsLus(const Banc &banc, const QString &section, int i) {
    const TIniFile ini(banc.tableau());
    const QString n = QString::number(i);
    return {ini.ReadString(section, n + u"LigCom"_qs, {}),
            ini.ReadString(section, n + u"WDir"_qs, {}),
            ini.ReadString(section, n + u"Hint"_qs, {}),
            ini.ReadString(section, n + u"Name"_qs, {}),
            ini.ReadString(section, n + u"Icon"_qs, {}),
            ini.ReadString(section, n + u"Lancement"_qs, {})};
}

} // namespace

class TestDepots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remplirUnBoutonVide_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("programme")
            << u"/usr/bin/gedit"_qs
            << QStringList{u"\"/usr/bin/gedit\""_qs, u"/usr/bin/"_qs, u"Gedit"_qs,
                           u"/usr/bin/gedit"_qs,     u"0"_qs,         u"0"_qs};
        const QString long_ = u"/tmp/"_qs + QString(300, u'a') + u".sh"_qs;
        QTest::newRow("nom de 300 caracteres") << long_ << QStringList{u'"' + long_ + u'"',
                                                                       u"/tmp/"_qs,
                                                                       u"A"_qs + QString(254, u'a'),
                                                                       long_,
                                                                       u"0"_qs,
                                                                       u"0"_qs};
    }
    void remplirUnBoutonVide() {
        QFETCH(QString, fichier);
        QFETCH(QStringList, attendu);
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->WMDropFiles({fichier}, QPoint(1, 20));
        QCOMPARE(champs(barre->Liste), attendu);
        // A value wholly between quotes reads back without them, and the launch quotes it again.
        attendu[0] = fichier;
        QCOMPARE(champsLus(banc, u"MAIN"_qs, 0), attendu);
        // The drawer beside the button keeps its own contents.
        QCOMPARE(barre->ListeTiroirs->NomSection, u"SECTION0"_qs);
        QVERIFY(banc.messages.isEmpty());
    }

    // Only a blank button under the point, edges included, takes a dropped file.
    void rienNeSePasse_data() {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("deux fichiers") << QStringList{u"/bin/a"_qs, u"/bin/b"_qs} << QPoint(10, 30);
        QTest::newRow("entre deux boutons") << QStringList{u"/bin/a"_qs} << QPoint(46, 30);
        QTest::newRow("sur une bande") << QStringList{u"/bin/a"_qs} << QPoint(10, 5);
        QTest::newRow("dans la marge") << QStringList{u"/bin/a"_qs} << QPoint(0, 30);
        QTest::newRow("aucun fichier") << QStringList{} << QPoint(10, 30);
    }
    void rienNeSePasse() {
        QFETCH(QStringList, fichiers);
        QFETCH(QPoint, point);
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        const QByteArray avant = banc.lire();
        barre->WMDropFiles(fichiers, point);
        QCOMPARE(banc.lire(), avant);
        QVERIFY(barre->Liste->LigCom.isEmpty());
    }

    void borneIncluse() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->WMDropFiles({u"/bin/ls"_qs}, QPoint(45, 64)); // just right of and below button 0
        QCOMPARE(barre->Liste->LigCom, u"\"/bin/ls\""_qs);
    }

    void nomsRefuses_data() {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("saut de ligne") << u"/tmp/a\n[MAIN]"_qs;
        QTest::newRow("retour chariot") << u"/tmp/a\rb"_qs;
        QTest::newRow("guillemet") << u"/tmp/a\"b"_qs;
    }
    void nomsRefuses() {
        QFETCH(QString, fichier);
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        const QByteArray avant = banc.lire();
        barre->WMDropFiles({fichier}, QPoint(10, 30));
        QCOMPARE(banc.messages.size(), 1);
        QCOMPARE(banc.lire(), avant);
        QVERIFY(barre->Liste->LigCom.isEmpty());
    }

    void entreeDeBureau() {
        Banc banc;
        banc.ecrire(Tableau);
        const QString entree = banc.rep.filePath(u"editeur.desktop"_qs);
        QFile f(entree);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nName=Éditeur de textes\nName[en]=Text "
                "editor\nExec=\"/opt/Mon Editeur/edit\" --nouvelle-fenetre %U\nPath=/home/moi\n"
                "Icon=accessories-text-editor\n[Desktop Action Neuf]\nExec=autre\n");
        f.close();
        TBarreDlg *barre = banc.demarrer();
        barre->WMDropFiles({entree}, QPoint(10, 30));
        QCOMPARE(champs(barre->Liste),
                 (QStringList{u"\"/opt/Mon Editeur/edit\" --nouvelle-fenetre"_qs, u"/home/moi/"_qs,
                              u"Éditeur de textes"_qs, entree, u"0"_qs, u"0"_qs}));
    }

    void depotDansUnTiroir() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->ListeTiroirs->Bouton->setFocus();
        barre->TiroirClick();
        TBarreDlg *tiroir = barre->ListeTiroirs->Barre;
        const QByteArray mainAvant =
            TIniFile(banc.tableau()).ReadString(u"MAIN"_qs, u"0LigCom"_qs, {}).toUtf8();
        // The drawer's first button is at the bottom of its column.
        tiroir->WMDropFiles({u"/usr/bin/xterm"_qs}, QPoint(1, 1));
        QCOMPARE(tiroir->Liste->Suivant->LigCom, u"\"/usr/bin/xterm\""_qs);
        QCOMPARE(champsLus(banc, u"SECTION0"_qs, 1).first(), u"/usr/bin/xterm"_qs);
        QCOMPARE(TIniFile(banc.tableau()).ReadString(u"MAIN"_qs, u"0LigCom"_qs, {}).toUtf8(),
                 mainAvant);
    }

    // Dragging a button onto another copies it there; onto a filled one only when the user
    // agrees.
    void copieParGlisser_data() {
        QTest::addColumn<int>("cible");
        QTest::addColumn<bool>("reponse");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("copie");
        QTest::newRow("vers un bouton vide") << 0 << false << QStringList{} << true;
        QTest::newRow("vers un bouton rempli, non")
            << 1 << false << QStringList{u"Ecraser le bouton de /bin/plein ?"_qs} << false;
        QTest::newRow("vers un bouton rempli, oui")
            << 1 << true << QStringList{u"Ecraser le bouton de /bin/plein ?"_qs} << true;
    }
    void copieParGlisser() {
        QFETCH(int, cible);
        QFETCH(bool, reponse);
        QFETCH(QStringList, questions);
        QFETCH(bool, copie);
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->ListeTiroirs->Bouton->setFocus();
        barre->TiroirClick();
        TBarreDlg *tiroir = barre->ListeTiroirs->Barre;
        G.BarreSource = tiroir;
        const QByteArray tiroirAvant =
            TIniFile(banc.tableau()).ReadString(u"SECTION0"_qs, u"0LigCom"_qs, {}).toUtf8();
        banc.reponse = reponse;
        TBoutonAppli *rt = cible == 0 ? barre->Liste : barre->Liste->Suivant;
        const QString avant = rt->LigCom;
        barre->MyDragDrop(rt->Bouton, tiroir->Liste->Bouton);
        QCOMPARE(banc.messages, questions);
        QCOMPARE(rt->LigCom, copie ? u"/bin/tiroir"_qs : avant);
        QCOMPARE(rt->Hint, copie ? u"Tiroir"_qs : QString());
        QCOMPARE(champsLus(banc, u"MAIN"_qs, cible).first(), rt->LigCom);
        QCOMPARE(TIniFile(banc.tableau()).ReadString(u"SECTION0"_qs, u"0LigCom"_qs, {}).toUtf8(),
                 tiroirAvant);
    }

    void glisserAilleursNeFaitRien() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        G.BarreSource = barre;
        QVERIFY(!barre->MyDragOver(barre->ListeTiroirs->Bouton, barre->Liste->Bouton));
        QVERIFY(!barre->MyDragOver(barre, barre->Liste->Bouton));
        QVERIFY(barre->MyDragOver(barre->Liste->Suivant->Bouton, barre->Liste->Bouton));
        QVERIFY(!barre->MyDragOver(barre->Liste->Suivant->Bouton, barre));
    }
};

QTEST_MAIN(TestDepots)
#include "tst_depots.moc"
