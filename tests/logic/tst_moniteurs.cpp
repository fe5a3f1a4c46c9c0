#include "logic/Moniteurs.h"

#include <QTest>

namespace {

// A desk of two monitors side by side, their tops level: the primary one with a panel of 24
// pixels along its top, the other one smaller and without a panel.
const Moniteur Gauche{QRect(0, 0, 1280, 800), QRect(0, 24, 1280, 776)};
const Moniteur Droite{QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768)};
const QList<Moniteur> Deux{Gauche, Droite};
const QList<Moniteur> Seul{Gauche};

} // namespace

class TestMoniteurs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A main bar of three buttons, 140 x 65, at its saved place when the program starts, and at
    // the same place when the monitors change while it runs. A place on the second monitor, below
    // it, and a monitor unplugged under the bar are tried with the real program.
    void placeSauvee_data() {
        QTest::addColumn<QList<Moniteur>>("moniteurs");
        QTest::addColumn<QPoint>("sauvee");
        QTest::addColumn<QPoint>("auLancement");
        QTest::addColumn<QPoint>("apresChangement");

        const QPoint q(1250, 300);
        QTest::newRow("à cheval sur les deux") << Deux << q << q << q;
        QTest::newRow("moniteur débranché")
            << Seul << QPoint(2000, 700) << QPoint(1140, 700) << QPoint(1140, 700);
        // What a window manager leaves of a bar it pulled off a lost monitor.
        QTest::newRow("presque hors du premier")
            << Seul << QPoint(1271, 300) << QPoint(1271, 300) << QPoint(1140, 300);
        QTest::newRow("au-dessus à gauche, hors du panneau")
            << Deux << QPoint(-500, -300) << QPoint(0, 24) << QPoint(0, 24);
        // As far from one as from the other: the first, the primary one.
        QTest::newRow("au-dessus des deux, à égale distance")
            << Deux << QPoint(1250, -300) << QPoint(1140, 24) << QPoint(1140, 24);
        const QPoint loin(5000, 5000);
        QTest::newRow("sans moniteur") << QList<Moniteur>{} << loin << loin << loin;
    }
    void placeSauvee() {
        QFETCH(QList<Moniteur>, moniteurs);
        QFETCH(QPoint, sauvee);
        QFETCH(QPoint, auLancement);
        QFETCH(QPoint, apresChangement);
        const QRect barre(sauvee, QSize(140, 65));
        QCOMPARE(PlaceSurLesMoniteurs(moniteurs, barre), auLancement);
        QCOMPARE(PlaceApresChangement(moniteurs, barre), apresChangement);
    }

    // Drawers of two buttons, as the drawer rule sets them.
    void tiroir_data() {
        QTest::addColumn<QRect>("regle");
        QTest::addColumn<QPoint>("place");

        QTest::newRow("plus sur le second") << QRect(1250, 300, 93, 46) << QPoint(1280, 300);
        QTest::newRow("plus sur le premier") << QRect(1200, 300, 93, 46) << QPoint(1187, 300);
        QTest::newRow("au bord intérieur du second")
            << QRect(1280, 654, 46, 93) << QPoint(1280, 654);
        QTest::newRow("sous le second, sur le premier")
            << QRect(1250, 760, 93, 20) << QPoint(1187, 760);
        // No correction keeps a drawer inside the desk.
        QTest::newRow("au-dessus du haut") << QRect(100, -50, 46, 93) << QPoint(100, -50);
        QTest::newRow("trop large pour l'un et l'autre")
            << QRect(300, 300, 1316, 46) << QPoint(300, 300);
    }
    void tiroir() {
        QFETCH(QRect, regle);
        QFETCH(QPoint, place);
        QCOMPARE(TiroirSurUnMoniteur(Deux, regle), place);
    }

    // The far edges of the main bar and of the icon chooser.
    void bordsLointains_data() {
        QTest::addColumn<QRect>("fenetre");
        QTest::addColumn<QRect>("ecran");
        QTest::addColumn<int>("gaucheChoix");

        QTest::newRow("sur le premier") << QRect(900, 100, 586, 103) << Gauche.ecran << 694;
        QTest::newRow("surtout sur le second")
            << QRect(1200, 100, 586, 103) << Droite.ecran << 1280;
        QTest::newRow("au bout du second") << QRect(1900, 100, 586, 103) << Droite.ecran << 1718;
        QTest::newRow("plus large que le second")
            << QRect(2000, 100, 1930, 103) << Droite.ecran << 1280;
        QTest::newRow("hors de tout, au-delà du second")
            << QRect(2400, 900, 58, 103) << Droite.ecran << 2246;
    }
    void bordsLointains() {
        QFETCH(QRect, fenetre);
        QFETCH(QRect, ecran);
        QFETCH(int, gaucheChoix);
        QCOMPARE(EcranDeLaBarre(Deux, fenetre, QRect()), ecran);
        QCOMPARE(GaucheSurMoniteur(fenetre.x(), fenetre.width(), ecran), gaucheChoix);
    }
};

QTEST_APPLESS_MAIN(TestMoniteurs)
#include "tst_moniteurs.moc"
