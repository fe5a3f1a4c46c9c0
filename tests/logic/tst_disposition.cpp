#include "logic/ChoixIcone.h"
#include "logic/Disposition.h"
#include "logic/Echelle.h"
#include "logic/Moniteurs.h"
#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

// A window rectangle as the desktop gives it: right and bottom excluded.
QRect Fenetre(int gauche, int haut, int droite, int bas) {
    return QRect(gauche, haut, droite - gauche, bas - haut);
}

const QSize Ecran(1920, 1080);

// Two monitors side by side, tops level: the primary one with a 24-pixel panel on top.
const Moniteur Gauche{QRect(0, 0, 1280, 800), QRect(0, 24, 1280, 776)};
const Moniteur Droite{QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768)};
const QList<Moniteur> Deux{Gauche, Droite};

} // namespace

// The figures of bars, drawers, places, monitors and dialogs that no other test sees.
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
        QCOMPARE(d.taille.value_or(QSize()), taille);
        QCOMPARE(d.boutons.size(), boutons.isEmpty() ? 0 : nombre);
        QCOMPARE(bouts(d.boutons), boutons);
        QCOMPARE(d.bandes.size(), bandes.isEmpty() ? 0 : nombre);
        QCOMPARE(bouts(d.bandes), bandes);
    }

    // The main bar's far edge, a hand-edited orientation acting as vertical, and the panels the
    // start-up table below does not classify.
    void bordsEtTiroirs() {
        QCOMPARE(CorrigerBordLointain({0, 1070}, {2000, 65}, 0, Ecran), QPoint(-80, 1070));
        QCOMPARE(CorrigerBordLointain({1900, 1000}, {65, 563}, 1, Ecran), QPoint(1900, 517));
        QCOMPARE(CorrigerBordLointain({1900, 1000}, {65, 563}, 2, Ecran), QPoint(1900, 1000));
        QCOMPARE(PositionTiroir(QRect(48, 48, 16, 44), QRect(100, 200, 65, 93), QSize(140, 46), 2),
                 QPoint(165, 247));
        QCOMPARE(FlecheTiroir(true, EtatTiroir::Ferme, 2), Fleche::FlecheDroite);
        const QRect ecran(QPoint(), Ecran);
        QCOMPARE(BordDuPanneau(QRect(0, 1080, 1920, 0), ecran), BordPanneau::Aucun);
        QCOMPARE(BordDuPanneau(Fenetre(-2, -2, 50, 50), ecran), BordPanneau::Gauche);
    }

    // The places of positions 0 to 3 (4: the saved place); others leave the bar.
    void positionAuLancement_data() {
        QTest::addColumn<QSize>("barre");
        QTest::addColumn<QRect>("panneau");
        QTest::addColumn<QList<QPoint>>("places");
        using P = QList<QPoint>;
        const QSize barre(563, 65);
        QTest::newRow("panneau en haut")
            << barre << Fenetre(0, 0, 1920, 40) << P{{0, 40}, {0, 1015}, {1357, 1015}, {678, 1015}};
        // The rectangle a panel reaching past the screen's edges gives.
        QTest::newRow("panneau a gauche") << barre << Fenetre(-2, -2, 60, 1082)
                                          << P{{60, 0}, {60, 1015}, {1357, 1015}, {678, 1015}};
        // Centring a bar wider than the screen truncates toward zero.
        QTest::newRow("barre plus large de 5 pixels")
            << QSize(1925, 65) << QRect() << P{{0, 0}, {0, 1015}, {-5, 1015}, {-2, 1015}};
    }
    void positionAuLancement() {
        QFETCH(QSize, barre);
        QFETCH(QRect, panneau);
        QFETCH(QList<QPoint>, places);
        places.append({123, 456});
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
    void indiceEnPoint() {
        const QList<QRect> b{QRect(1, 20, 44, 44), QRect(48, 20, 44, 44), QRect(92, 20, 44, 44)};
        QList<qsizetype> indices;
        for (const QPoint p : {QPoint(1, 20), {45, 64}, {46, 30}, {10, 65}, {92, 30}, {93, 64}})
            indices << IndiceEnPoint(b, p);
        QCOMPARE(indices, (QList<qsizetype>{0, 0, -1, -1, 1, 2}));
    }

    // A main bar of three buttons, 140 x 65, at its saved place when the program starts, and at
    // the same place when the monitors change while it runs.
    void moniteurs() {
        const auto places = [](const QList<Moniteur> &moniteurs, QPoint sauvee) {
            const QRect barre(sauvee, QSize(140, 65));
            return QList{PlaceSurLesMoniteurs(moniteurs, barre),
                         PlaceApresChangement(moniteurs, barre)};
        };
        using L = QList<QPoint>;
        QCOMPARE(places(Deux, {1250, 300}), (L{{1250, 300}, {1250, 300}}));
        // What a window manager leaves of a bar it pulled off a lost monitor.
        QCOMPARE(places({Gauche}, {1271, 300}), (L{{1271, 300}, {1140, 300}}));
        QCOMPARE(places(Deux, {-500, -300}), (L{{0, 24}, {0, 24}}));
        // As far from one as from the other: the first, the primary one.
        QCOMPARE(places(Deux, {1250, -300}), (L{{1140, 24}, {1140, 24}}));
        QCOMPARE(places({}, {5000, 5000}), (L{{5000, 5000}, {5000, 5000}}));
        // Drawers go onto the monitor holding most of them that they fit on, not inside the desk.
        QCOMPARE(TiroirSurUnMoniteur(Deux, QRect(1250, 300, 93, 46)), QPoint(1280, 300));
        QCOMPARE(TiroirSurUnMoniteur(Deux, QRect(1250, 760, 93, 20)), QPoint(1187, 760));
        QCOMPARE(TiroirSurUnMoniteur(Deux, QRect(100, -50, 46, 93)), QPoint(100, -50));
        QCOMPARE(TiroirSurUnMoniteur(Deux, QRect(300, 300, 1316, 46)), QPoint(300, 300));
        QCOMPARE(TiroirSurUnMoniteur(Deux, QRect(1000, 300, 1024, 46)), QPoint(1280, 300));
        // The far edges of the main bar and of the icon chooser.
        const auto bords = [](const QRect &barre) {
            const QRect ecran = EcranDeLaBarre(Deux, barre, QRect());
            return std::pair(ecran, GaucheSurMoniteur(barre.x(), barre.width(), ecran));
        };
        QCOMPARE(bords(QRect(900, 100, 586, 103)), std::pair(Gauche.ecran, 694));
        QCOMPARE(bords(QRect(1200, 100, 586, 103)), std::pair(Droite.ecran, 1280));
        QCOMPARE(bords(QRect(2000, 100, 1930, 103)), std::pair(Droite.ecran, 1280));
        QCOMPARE(bords(QRect(2400, 900, 58, 103)), std::pair(Droite.ecran, 2246));
    }

    // Scaling rounds half up, without overflow; the icon chooser's row; only the given
    // separator counts; the export format by the first four characters of the extension, any case.
    void reglesDesDialogues() {
        QCOMPARE(Echelle(19, 96), 15); // 15.2
        QCOMPARE(Echelle(3, 100), 3);  // 2.5
        QCOMPARE(Echelle(-3, 100), -3);
        QCOMPARE(Echelle(INT_MAX, 120), INT_MAX);
        QCOMPARE(LargeurChoixIcone(40), 1930);
        QCOMPARE(GaucheBoutonIcone(39), 1876);
        QCOMPARE(NombreIconesOffertes(-1), 0);
        QCOMPARE(AvecSeparateurFinal(u"/tmp/"_s, u'/'), u"/tmp/"_s);
        QCOMPARE(AvecSeparateurFinal(QString(), u'/'), QString());
        QCOMPARE(FormatExport(u"/tmp/icone.bmpx"_s, SeparateursPosix), FormatIcone::Bmp);
        QCOMPARE(FormatExport(u"/tmp/icone.bm"_s, SeparateursPosix), FormatIcone::Aucun);
        QCOMPARE(FormatExport(u"/tmp/icone.bmé"_s, SeparateursPosix), FormatIcone::Aucun);
    }
};

QTEST_APPLESS_MAIN(TestDisposition)
#include "tst_disposition.moc"
