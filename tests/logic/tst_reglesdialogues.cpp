#include "logic/ChoixIcone.h"
#include "logic/Echelle.h"

#include <QTest>
#include <climits>

// The dialog tests see twelve icons, 57 offering 40, and the chooser centred, kept, moved back
// to the right edge and wider than the screen; these are the other figures.
class TestReglesDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void echelle_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("attendu");

        QTest::newRow("dessiné à 120") << 525 << 120 << 525;
        QTest::newRow("96, exact") << 525 << 96 << 420;
        QTest::newRow("96, arrondi") << 19 << 96 << 15;      // 15.2
        QTest::newRow("demi vers le haut") << 3 << 100 << 3; // 2.5
        QTest::newRow("192") << 85 << 192 << 136;
        QTest::newRow("négatif, demi") << -3 << 100 << -3; // -2.5
        QTest::newRow("sans débordement") << INT_MAX << 120 << INT_MAX;
    }
    void echelle() {
        QFETCH(int, pixels);
        QFETCH(int, dpi);
        QFETCH(int, attendu);
        QCOMPARE(Echelle(pixels, dpi), attendu);
    }

    void choixIcone_data() {
        QTest::addColumn<int>("dansLeFichier");
        QTest::addColumn<int>("offertes");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("gaucheDerniere");

        QTest::newRow("une") << 1 << 1 << 58 << 4;
        QTest::newRow("quarante") << 40 << 40 << 1930 << 1876;
        QTest::newRow("aucune") << 0 << 0 << 10 << 0;
        QTest::newRow("compte négatif") << -1 << 0 << 10 << 0;
    }
    void choixIcone() {
        QFETCH(int, dansLeFichier);
        QFETCH(int, offertes);
        QFETCH(int, largeur);
        QFETCH(int, gaucheDerniere);
        QCOMPARE(NombreIconesOffertes(dansLeFichier), offertes);
        QCOMPARE(LargeurChoixIcone(offertes), largeur);
        if (offertes > 0)
            QCOMPARE(GaucheBoutonIcone(offertes - 1), gaucheDerniere);
    }

    void gaucheChoix_data() {
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("ecran");
        QTest::addColumn<int>("attendu");

        QTest::newRow("dépasse à droite") << 1200 << 154 << 1280 << 1126;
        QTest::newRow("centrée, plus large") << -325 << 1930 << 1280 << 0;
        QTest::newRow("à gauche de l'écran") << -20 << 154 << 1280 << 0;
        QTest::newRow("aussi large que l'écran") << 5 << 1280 << 1280 << 0;
    }
    void gaucheChoix() {
        QFETCH(int, gauche);
        QFETCH(int, largeur);
        QFETCH(int, ecran);
        QFETCH(int, attendu);
        QCOMPARE(GaucheChoixIcone(gauche, largeur, ecran), attendu);
    }
};

QTEST_APPLESS_MAIN(TestReglesDialogues)
#include "tst_reglesdialogues.moc"
