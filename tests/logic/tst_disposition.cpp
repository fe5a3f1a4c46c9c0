#include "logic/Disposition.h"

#include <QTest>

namespace {

// A window rectangle as the desktop gives it: right and bottom excluded.
QRect Fenetre(int gauche, int haut, int droite, int bas) {
    return QRect(gauche, haut, droite - gauche, bas - haut);
}

const QSize Ecran(1920, 1080);

} // namespace

// The bar tests and the scenarios see bars of two and three buttons in both orientations, the
// drawers against their strips, and the start-up places with no panel, one at the top and one at
// the bottom; these are the other figures.
class TestDisposition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Buttons and strips are given by their first and last rectangles.
    void disposerBarre_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("principale");
        QTest::addColumn<QSize>("taille"); // invalid: no size is given
        QTest::addColumn<QList<QRect>>("boutons");
        QTest::addColumn<QList<QRect>>("bandes");

        using L = QList<QRect>;
        auto b = [](int x, int y) { return QRect(x, y, 44, 44); };
        QTest::newRow("principale verticale 12")
            << 12 << 1 << true << QSize(65, 563) << L{b(1, 1), b(1, 518)}
            << L{QRect(48, 1, 16, 44), QRect(48, 518, 16, 44)};
        // Drawers of a horizontal main bar are columns whose first button is at the bottom.
        QTest::newRow("tiroir colonne 12")
            << 12 << 0 << false << QSize(46, 563) << L{b(1, 518), b(1, 1)} << L{};
        // An orientation read from a hand-edited board file.
        QTest::newRow("principale orientation 2 laissee telle quelle")
            << 3 << 2 << true << QSize() << L{} << L{};
        QTest::newRow("tiroir orientation 2 en rangee, sans taille")
            << 3 << 2 << false << QSize() << L{b(1, 1), b(95, 1)} << L{};
        QTest::newRow("principale sans bouton") << 0 << 0 << true << QSize() << L{} << L{};
    }
    void disposerBarre() {
        QFETCH(int, nombre);
        QFETCH(int, orientation);
        QFETCH(bool, principale);
        QFETCH(QSize, taille);
        QFETCH(QList<QRect>, boutons);
        QFETCH(QList<QRect>, bandes);

        const DispositionBarre d = DisposerBarre(nombre, quint8(orientation), principale);
        auto bouts = [](const QList<QRect> &l) {
            return l.isEmpty() ? l : QList{l.first(), l.last()};
        };
        QCOMPARE(d.taille.has_value(), taille.isValid());
        if (taille.isValid())
            QCOMPARE(*d.taille, taille);
        QCOMPARE(d.boutons.size(), boutons.isEmpty() ? 0 : nombre);
        QCOMPARE(bouts(d.boutons), boutons);
        QCOMPARE(d.bandes.size(), bandes.isEmpty() ? 0 : nombre);
        QCOMPARE(bouts(d.bandes), bandes);
        // Neighbours stand one button and one gap apart, along a single axis.
        for (qsizetype i = 1; i < d.boutons.size(); ++i) {
            const QPoint ecart = d.boutons.at(i).topLeft() - d.boutons.at(i - 1).topLeft();
            QCOMPARE(ecart.manhattanLength(), 47);
        }
    }

    void corrigerBordLointain_data() {
        QTest::addColumn<QPoint>("hautGauche");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("attendu");

        QTest::newRow("horizontale finit au bord")
            << QPoint(1357, 0) << QSize(563, 65) << 0 << QPoint(1357, 0);
        QTest::newRow("horizontale plus large que l'ecran, le haut reste")
            << QPoint(0, 1070) << QSize(2000, 65) << 0 << QPoint(-80, 1070);
        QTest::newRow("verticale depasse en bas, la gauche reste")
            << QPoint(1900, 1000) << QSize(65, 563) << 1 << QPoint(1900, 517);
        QTest::newRow("orientation 2 sans correction")
            << QPoint(1900, 1000) << QSize(65, 563) << 2 << QPoint(1900, 1000);
    }
    void corrigerBordLointain() {
        QFETCH(QPoint, hautGauche);
        QFETCH(QSize, taille);
        QFETCH(int, orientation);
        QFETCH(QPoint, attendu);
        QCOMPARE(CorrigerBordLointain(hautGauche, taille, quint8(orientation), Ecran), attendu);
    }

    // A drawer is never kept inside the screen; a hand-edited orientation acts as vertical.
    void tiroirHorsDeLEcranEtOrientationInconnue() {
        QCOMPARE(PositionTiroir(QRect(1, 1, 44, 16), QRect(0, 0, 46, 65), QSize(46, 93), 0),
                 QPoint(0, -93));
        QCOMPARE(PositionTiroir(QRect(48, 48, 16, 44), QRect(100, 200, 65, 93), QSize(140, 46), 2),
                 QPoint(165, 247));
        QCOMPARE(FlecheTiroir(true, EtatTiroir::Ferme, 2), Fleche::FlecheDroite);
        QCOMPARE(FlecheTiroir(true, EtatTiroir::Ouvert, 2), Fleche::FlecheGauche);
    }

    // The start-up table below classifies the other panels.
    void bordDuPanneau() {
        const QRect ecran(QPoint(), Ecran);
        QCOMPARE(BordDuPanneau(QRect(0, 1080, 1920, 0), ecran), BordPanneau::Aucun);
        QCOMPARE(BordDuPanneau(Fenetre(-2, -2, 50, 50), ecran), BordPanneau::Gauche);
    }

    // One row per panel: the places of positions 0 to 4; any other position leaves the bar.
    void positionAuLancement_data() {
        QTest::addColumn<QSize>("barre");
        QTest::addColumn<QRect>("panneau");
        QTest::addColumn<QList<QPoint>>("places");

        const QSize barre(563, 65);
        QTest::newRow("panneau en haut")
            << barre << Fenetre(0, 0, 1920, 40)
            << QList<QPoint>{{0, 40}, {0, 1015}, {1357, 1015}, {678, 1015}, {123, 456}};
        QTest::newRow("panneau en bas")
            << barre << Fenetre(0, 1040, 1920, 1080)
            << QList<QPoint>{{0, 0}, {0, 975}, {1357, 975}, {678, 975}, {123, 456}};
        // The rectangle a panel reaching past the screen's edges gives.
        QTest::newRow("panneau a gauche")
            << barre << Fenetre(-2, -2, 60, 1082)
            << QList<QPoint>{{60, 0}, {60, 1015}, {1357, 1015}, {678, 1015}, {123, 456}};
        QTest::newRow("panneau a droite")
            << barre << Fenetre(1860, 0, 1920, 1080)
            << QList<QPoint>{{0, 0}, {0, 1015}, {1297, 1015}, {678, 1015}, {123, 456}};
        // Centring a bar wider than the screen truncates toward zero.
        QTest::newRow("barre plus large de 5 pixels")
            << QSize(1925, 65) << QRect()
            << QList<QPoint>{{0, 0}, {0, 1015}, {-5, 1015}, {-2, 1015}, {123, 456}};
    }
    void positionAuLancement() {
        QFETCH(QSize, barre);
        QFETCH(QRect, panneau);
        QFETCH(QList<QPoint>, places);

        const BordPanneau bord = BordDuPanneau(panneau, QRect(QPoint(), Ecran));
        for (int position : {0, 1, 2, 3, 4, 5, 255}) {
            const PlacementLancement p =
                PositionAuLancement(quint8(position), 123, 456, barre, Ecran, bord, panneau);
            const bool deplacee = position < places.size();
            QCOMPARE(p.gauche.has_value(), deplacee);
            QCOMPARE(p.haut.has_value(), deplacee);
            if (deplacee)
                QCOMPARE(QPoint(*p.gauche, *p.haut), places.at(position));
        }
    }

    // A button owns its whole edge, right and bottom included; on an edge two buttons share,
    // the first one wins.
    void indiceEnPoint_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("indice");
        QTest::newRow("haut gauche") << QPoint(1, 20) << 0;
        QTest::newRow("bas droit inclus") << QPoint(45, 64) << 0;
        QTest::newRow("entre deux") << QPoint(46, 30) << -1;
        QTest::newRow("sous la barre") << QPoint(10, 65) << -1;
        QTest::newRow("bord partage") << QPoint(92, 30) << 1;
        QTest::newRow("second") << QPoint(93, 64) << 2;
    }
    void indiceEnPoint() {
        QFETCH(QPoint, point);
        QFETCH(int, indice);
        const QList<QRect> boutons{QRect(1, 20, 44, 44), QRect(48, 20, 44, 44),
                                   QRect(92, 20, 44, 44)};
        QCOMPARE(IndiceEnPoint(boutons, point), indice);
    }
};

QTEST_APPLESS_MAIN(TestDisposition)
#include "tst_disposition.moc"
