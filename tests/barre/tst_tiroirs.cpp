#include "barre/Disposition.h"
#include "barre/Enregistrements.h"
#include "barre/Fleches.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QAction>
#include <QCursor>
#include <QTest>

namespace {

// Which arrow a strip shows.
Fleche flecheDe(const TBoutonTiroir *t) {
    const QIcon icone = t->Bouton->icon();
    if (icone.isNull())
        return Fleche::Aucune;
    const QImage vue = icone.pixmap(icone.availableSizes().first())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
    for (Fleche f :
         {Fleche::FlecheHaut, Fleche::FlecheBas, Fleche::FlecheDroite, Fleche::FlecheGauche})
        if (vue == DessinerFleche(f))
            return f;
    return Fleche::Aucune;
}

TBoutonTiroir *tiroir(TBarreDlg *barre, int i) {
    TBoutonTiroir *t = barre->ListeTiroirs;
    while (i-- > 0)
        t = t->Suivant;
    return t;
}

// A click on a strip gives it the focus first, as the mouse does.
void cliquer(TBarreDlg *barre, TBoutonTiroir *t) {
    t->Bouton->setFocus();
    barre->TiroirClick();
}

// Three slots: drawer 0 holds two buttons, drawer 1 one, drawer 2 is reserved and empty.
const QByteArray Tableau = "[TRESSOLA]\nPosition=4\nX=100\nY=500\n"
                           "[MAIN]\n0NomSection=SECTION0\n1NomSection=SECTION1\n"
                           "2NomSection=SECTION2\nNombre=3\n"
                           "[SECTION0]\n0LigCom=a\n1LigCom=b\nNombre=2\n"
                           "[SECTION1]\n0LigCom=c\nNombre=1\n"
                           "[SECTION2]\nNombre=0\n";

} // namespace

class TestTiroirs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void troisClics() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 0);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);

        cliquer(barre, t);
        TBarreDlg *tiroirOuvert = t->Barre;
        QVERIFY(tiroirOuvert && tiroirOuvert->isVisible());
        QCOMPARE(tiroirOuvert->Tag, 0);
        QCOMPARE(flecheDe(t), Fleche::FlecheBas);
        QCOMPARE(tiroirOuvert->size(), QSize(46, 93));
        // Set exactly on top of the main bar, its buttons over the application button.
        QCOMPARE(tiroirOuvert->pos(), QPoint(100, 500 - 93));

        cliquer(barre, t);
        QVERIFY(!tiroirOuvert->isVisible());
        QCOMPARE(t->Barre, tiroirOuvert);
        QCOMPARE(tiroirOuvert->Tag, 1);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);

        cliquer(barre, t);
        QCOMPARE(t->Barre, tiroirOuvert);
        QVERIFY(tiroirOuvert->isVisible());
        QCOMPARE(tiroirOuvert->Tag, 0);
        QCOMPARE(tiroirOuvert->pos(), QPoint(100, 500 - 93));
    }

    void deuxTiroirsOuverts() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        cliquer(barre, tiroir(barre, 0));
        cliquer(barre, tiroir(barre, 1));
        QVERIFY(tiroir(barre, 0)->Barre->isVisible());
        QVERIFY(tiroir(barre, 1)->Barre->isVisible());
        QCOMPARE(tiroir(barre, 1)->Barre->pos(), QPoint(100 + 47, 500 - 46));
    }

    void tiroirVide() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 2);
        QCOMPARE(flecheDe(t), Fleche::Aucune);
        cliquer(barre, t);
        QVERIFY(!t->Barre);
        QCOMPARE(flecheDe(t), Fleche::Aucune);
    }

    void menuDuTiroir_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("ouvrir");
        QTest::addColumn<bool>("premier");
        QTest::newRow("plein") << 0 << true << false;
        QTest::newRow("vide") << 2 << false << true;
    }
    void menuDuTiroir() {
        QFETCH(int, indice);
        QFETCH(bool, ouvrir);
        QFETCH(bool, premier);
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, indice);
        // The strip's bottom-right corner still counts as the strip.
        QCursor::setPos(barre->pos() + t->Bouton->geometry().topLeft() + QPoint(44, 16));
        barre->PopupMenuTiroirsPopup();
        QCOMPARE(barre->focusWidget(), t->Bouton);
        QCOMPARE(barre->OuvrirFermer->isEnabled(), ouvrir);
        QCOMPARE(barre->InsererPremier->isEnabled(), premier);
        QVERIFY(barre->ConfigHint->isEnabled());
    }

    // Changing orientation lays the drawers out again and turns their arrows.
    void changementDOrientation() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        cliquer(barre, tiroir(barre, 0));
        cliquer(barre, tiroir(barre, 1));
        cliquer(barre, tiroir(barre, 1)); // hidden
        barre->VerticalClick();
        QCOMPARE(barre->size(), QSize(65, 3 * 47 - 1));
        QCOMPARE(flecheDe(tiroir(barre, 0)), Fleche::FlecheGauche);
        QCOMPARE(flecheDe(tiroir(barre, 1)), Fleche::FlecheDroite);
        QCOMPARE(flecheDe(tiroir(barre, 2)), Fleche::Aucune);
        TBarreDlg *ouvert = tiroir(barre, 0)->Barre;
        QCOMPARE(ouvert->size(), QSize(2 * 47 - 1, 46));
        QCOMPARE(ouvert->pos(), QPoint(100 + 65, 500));
        QCOMPARE(tiroir(barre, 1)->Barre->pos(), QPoint(100 + 65, 500 + 47));
        QCOMPARE(TIniFile(banc.tableau()).ReadInteger(u"TRESSOLA"_qs, u"Orientation"_qs, -1), 1);

        barre->HorizontalClick();
        QCOMPARE(barre->size(), QSize(3 * 47 - 1, 65));
        QCOMPARE(flecheDe(tiroir(barre, 0)), Fleche::FlecheBas);
        QCOMPARE(flecheDe(tiroir(barre, 1)), Fleche::FlecheHaut);
        QCOMPARE(ouvert->pos(), QPoint(100, 500 - 93));
    }

    // Drawers, open or hidden, follow the main bar.
    void tiroirsSuivent() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        cliquer(barre, tiroir(barre, 0));
        cliquer(barre, tiroir(barre, 1));
        cliquer(barre, tiroir(barre, 1));
        barre->move(300, 400);
        QTRY_COMPARE(tiroir(barre, 0)->Barre->pos(), QPoint(300, 400 - 93));
        QCOMPARE(tiroir(barre, 1)->Barre->pos(), QPoint(300 + 47, 400 - 46));
        QCOMPARE(TIniFile(banc.tableau()).ReadInteger(u"TRESSOLA"_qs, u"X"_qs, -1), 100);
    }

    void fermerPuisRouvrir() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 1);
        cliquer(barre, t);
        t->Barre->close();
        QVERIFY(!t->Barre);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);
        TIniFile(banc.tableau())
            .ReplaceSection(u"SECTION1"_qs, {{u"0LigCom"_qs, u"neuf"_qs},
                                             {u"1LigCom"_qs, u"deux"_qs},
                                             {u"Nombre"_qs, u"2"_qs}});
        cliquer(barre, t);
        QVERIFY(t->Barre);
        QCOMPARE(Longueur(t->Barre->Liste), 2);
        QCOMPARE(t->Barre->Liste->LigCom, u"neuf"_qs);
    }

    void positionsAuLancement_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QPoint>("attendu");
        // The offscreen screen is 800 x 800 with no panel; the bar is 46 x 65.
        QTest::newRow("en haut a gauche") << 0 << QPoint(0, 0);
        QTest::newRow("en bas a gauche") << 1 << QPoint(0, 800 - 65);
        QTest::newRow("en bas a droite") << 2 << QPoint(800 - 46, 800 - 65);
        QTest::newRow("en bas au milieu") << 3 << QPoint((800 - 46) / 2, 800 - 65);
    }
    void positionsAuLancement() {
        QFETCH(int, position);
        QFETCH(QPoint, attendu);
        Banc banc;
        banc.ecrire("[TRESSOLA]\nPosition=" + QByteArray::number(position) + "\n");
        TBarreDlg *barre = banc.demarrer();
        QCOMPARE(barre->pos(), attendu);
        barre->move(10, 20);
        barre->QuelconqueClick();
        barre->move(30, 40);
        barre->RevenirPositionClick();
        QCOMPARE(barre->pos(), QPoint(10, 20));
        const TIniFile ini(banc.tableau());
        QCOMPARE(ini.ReadInteger(u"TRESSOLA"_qs, u"Position"_qs, -1), 4);
        QCOMPARE(ini.ReadInteger(u"TRESSOLA"_qs, u"X"_qs, -1), 10);
    }

    void orientationInconnue() {
        Banc banc;
        banc.ecrire("[TRESSOLA]\nOrientation=2\nPosition=7\n[MAIN]\nNombre=2\n");
        TBarreDlg *barre = banc.demarrer();
        // Nothing of the main bar is laid out, and it stays where the window system put it.
        QCOMPARE(barre->size(), QSize(286, 64));
        QCOMPARE(barre->Liste->Bouton->pos(), barre->Liste->Suivant->Bouton->pos());
    }

    void premierPlan() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        const QPoint ici = barre->pos();
        barre->StayOnTopClick();
        QVERIFY(barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(barre->isVisible());
        QCOMPARE(barre->pos(), ici);
        QCOMPARE(TIniFile(banc.tableau()).ReadBool(u"TRESSOLA"_qs, u"StayOnTop"_qs, false), true);
        barre->Fermetureautomatiquedestiroirs1Click();
        QCOMPARE(TIniFile(banc.tableau()).ReadBool(u"TRESSOLA"_qs, u"FermetureAuto"_qs, false),
                 true);
    }
};

QTEST_MAIN(TestTiroirs)
#include "tst_tiroirs.moc"
