#include "barre/Fleches.h"

#include <QTest>

// The arrows as they must look, one string a row ('#' black, '.' white).
class TestFleches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dessin_data() {
        QTest::addColumn<int>("fleche");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("haut") << int(Fleche::FlecheHaut)
                              << QStringList{u".............."_qs, u".............."_qs,
                                             u".............."_qs, u"......#......."_qs,
                                             u".....#.#......"_qs, u"....#...#....."_qs,
                                             u"...#######...."_qs, u".............."_qs,
                                             u".............."_qs, u".............."_qs};
        QTest::newRow("bas") << int(Fleche::FlecheBas)
                             << QStringList{u".............."_qs, u".............."_qs,
                                            u".............."_qs, u"...#######...."_qs,
                                            u"....#...#....."_qs, u".....#.#......"_qs,
                                            u"......#......."_qs, u".............."_qs,
                                            u".............."_qs, u".............."_qs};
        QTest::newRow("droite") << int(Fleche::FlecheDroite)
                                << QStringList{u".........."_qs, u"...#......"_qs, u"...##....."_qs,
                                               u"...#.#...."_qs, u"...#..#..."_qs, u"...#.#...."_qs,
                                               u"...##....."_qs, u"...#......"_qs, u".........."_qs,
                                               u".........."_qs};
        QTest::newRow("gauche") << int(Fleche::FlecheGauche)
                                << QStringList{u".........."_qs, u"......#..."_qs, u".....##..."_qs,
                                               u"....#.#..."_qs, u"...#..#..."_qs, u"....#.#..."_qs,
                                               u".....##..."_qs, u"......#..."_qs, u".........."_qs,
                                               u".........."_qs};
    }
    void dessin() {
        QFETCH(int, fleche);
        QFETCH(QStringList, lignes);
        const QImage image = DessinerFleche(static_cast<Fleche>(fleche));
        QCOMPARE(image.height(), lignes.size());
        QCOMPARE(image.width(), lignes.first().size());
        for (int y = 0; y < image.height(); ++y) {
            QString vu;
            for (int x = 0; x < image.width(); ++x)
                vu += image.pixel(x, y) == qRgb(0, 0, 0) ? u'#' : u'.';
            QCOMPARE(vu, lignes[y]);
        }
    }
};

QTEST_GUILESS_MAIN(TestFleches)
#include "tst_fleches.moc"
