#include "logic/Disposition.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A window rectangle as the desktop gives it: right and bottom excluded.
QRect Fenetre(int gauche, int haut, int droite, int bas) {
    return QRect(gauche, haut, droite - gauche, bas - haut);
}

const QSize Ecran(1920, 1080);

QStringList Cochees(const CochesMenu &c) {
    QStringList noms;
    const std::pair<bool, QString> elements[] = {
        {c.Horizontal, u"Horizontal"_s},
        {c.Vertical, u"Vertical"_s},
        {c.hg, u"hg"_s},
        {c.bg, u"bg"_s},
        {c.bd, u"bd"_s},
        {c.bm, u"bm"_s},
        {c.Quelconque, u"Quelconque"_s},
        {c.StayOnTop, u"StayOnTop"_s},
        {c.Fermetureautomatiquedestiroirs1, u"Fermetureautomatiquedestiroirs1"_s},
    };
    for (const auto &[cochee, nom] : elements) {
        if (cochee)
            noms.append(nom);
    }
    return noms;
}

} // namespace

class TestDisposition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void disposerBarre_data();
    void disposerBarre();
    void corrigerBordLointain_data();
    void corrigerBordLointain();
    void positionTiroir_data();
    void positionTiroir();
    void tiroirUnBoutonContreSonBouton_data();
    void tiroirUnBoutonContreSonBouton();
    void bordDuPanneau_data();
    void bordDuPanneau();
    void positionAuLancement_data();
    void positionAuLancement();
    void flecheTiroir_data();
    void flecheTiroir();
    void cochesMenu_data();
    void cochesMenu();
    void indiceEnPoint_data();
    void indiceEnPoint();
};

void TestDisposition::disposerBarre_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("principale");
    QTest::addColumn<int>("nombreBoutons");
    QTest::addColumn<QSize>("taille"); // invalid: no size is given
    QTest::addColumn<QRect>("premier");
    QTest::addColumn<QRect>("dernier");
    QTest::addColumn<QRect>("premiereBande"); // null: no strips
    QTest::addColumn<QRect>("derniereBande");

    const QSize aucune;
    const QRect rien;
    auto b = [](int x, int y) { return QRect(x, y, 44, 44); };

    QTest::newRow("principale horizontale 1")
        << 1 << 0 << true << 1 << QSize(46, 65) << b(1, 20) << b(1, 20) << QRect(1, 1, 44, 16)
        << QRect(1, 1, 44, 16);
    QTest::newRow("principale horizontale 2")
        << 2 << 0 << true << 2 << QSize(93, 65) << b(1, 20) << b(48, 20) << QRect(1, 1, 44, 16)
        << QRect(48, 1, 44, 16);
    QTest::newRow("principale horizontale 12")
        << 12 << 0 << true << 12 << QSize(563, 65) << b(1, 20) << b(518, 20) << QRect(1, 1, 44, 16)
        << QRect(518, 1, 44, 16);
    QTest::newRow("principale verticale 1")
        << 1 << 1 << true << 1 << QSize(65, 46) << b(1, 1) << b(1, 1) << QRect(48, 1, 16, 44)
        << QRect(48, 1, 16, 44);
    QTest::newRow("principale verticale 2")
        << 2 << 1 << true << 2 << QSize(65, 93) << b(1, 1) << b(1, 48) << QRect(48, 1, 16, 44)
        << QRect(48, 48, 16, 44);
    QTest::newRow("principale verticale 12")
        << 12 << 1 << true << 12 << QSize(65, 563) << b(1, 1) << b(1, 518) << QRect(48, 1, 16, 44)
        << QRect(48, 518, 16, 44);
    // Drawers of a horizontal main bar are columns whose first button is at the bottom.
    QTest::newRow("tiroir colonne 1")
        << 1 << 0 << false << 1 << QSize(46, 46) << b(1, 1) << b(1, 1) << rien << rien;
    QTest::newRow("tiroir colonne 2")
        << 2 << 0 << false << 2 << QSize(46, 93) << b(1, 48) << b(1, 1) << rien << rien;
    QTest::newRow("tiroir colonne 12")
        << 12 << 0 << false << 12 << QSize(46, 563) << b(1, 518) << b(1, 1) << rien << rien;
    QTest::newRow("tiroir rangee 1")
        << 1 << 1 << false << 1 << QSize(46, 46) << b(1, 1) << b(1, 1) << rien << rien;
    QTest::newRow("tiroir rangee 2")
        << 2 << 1 << false << 2 << QSize(93, 46) << b(1, 1) << b(48, 1) << rien << rien;
    QTest::newRow("tiroir rangee 12")
        << 12 << 1 << false << 12 << QSize(563, 46) << b(1, 1) << b(518, 1) << rien << rien;
    // An orientation read from a hand-edited board file.
    QTest::newRow("principale orientation 2 laissee telle quelle")
        << 3 << 2 << true << 0 << aucune << rien << rien << rien << rien;
    QTest::newRow("principale orientation 255 laissee telle quelle")
        << 1 << 255 << true << 0 << aucune << rien << rien << rien << rien;
    QTest::newRow("tiroir orientation 2 en rangee, sans taille")
        << 3 << 2 << false << 3 << aucune << b(1, 1) << b(95, 1) << rien << rien;
    QTest::newRow("principale sans bouton")
        << 0 << 0 << true << 0 << aucune << rien << rien << rien << rien;
    QTest::newRow("tiroir nombre negatif")
        << -4 << 1 << false << 0 << aucune << rien << rien << rien << rien;
}

void TestDisposition::disposerBarre() {
    QFETCH(int, nombre);
    QFETCH(int, orientation);
    QFETCH(bool, principale);
    QFETCH(int, nombreBoutons);
    QFETCH(QSize, taille);
    QFETCH(QRect, premier);
    QFETCH(QRect, dernier);
    QFETCH(QRect, premiereBande);
    QFETCH(QRect, derniereBande);

    const DispositionBarre d = DisposerBarre(nombre, quint8(orientation), principale);

    QCOMPARE(d.boutons.size(), nombreBoutons);
    QCOMPARE(d.taille.has_value(), taille.isValid());
    if (taille.isValid())
        QCOMPARE(*d.taille, taille);
    if (nombreBoutons == 0) {
        QVERIFY(d.bandes.isEmpty());
        return;
    }
    QCOMPARE(d.boutons.first(), premier);
    QCOMPARE(d.boutons.last(), dernier);
    // Neighbours stand one button and one gap apart, along a single axis.
    for (qsizetype i = 1; i < d.boutons.size(); ++i) {
        const QPoint ecart = d.boutons.at(i).topLeft() - d.boutons.at(i - 1).topLeft();
        QCOMPARE(ecart.manhattanLength(), 47);
    }
    if (premiereBande.isNull()) {
        QVERIFY(d.bandes.isEmpty());
    } else {
        QCOMPARE(d.bandes.size(), d.boutons.size());
        QCOMPARE(d.bandes.first(), premiereBande);
        QCOMPARE(d.bandes.last(), derniereBande);
    }
}

void TestDisposition::corrigerBordLointain_data() {
    QTest::addColumn<QPoint>("hautGauche");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPoint>("attendu");

    QTest::newRow("horizontale dans l'ecran")
        << QPoint(100, 500) << QSize(563, 65) << 0 << QPoint(100, 500);
    QTest::newRow("horizontale finit au bord")
        << QPoint(1357, 0) << QSize(563, 65) << 0 << QPoint(1357, 0);
    QTest::newRow("horizontale depasse a droite, le haut reste")
        << QPoint(1500, 1070) << QSize(563, 65) << 0 << QPoint(1357, 1070);
    QTest::newRow("horizontale, bord gauche jamais corrige")
        << QPoint(-50, -20) << QSize(563, 65) << 0 << QPoint(-50, -20);
    QTest::newRow("horizontale plus large que l'ecran")
        << QPoint(0, 10) << QSize(2000, 65) << 0 << QPoint(-80, 10);
    QTest::newRow("verticale depasse en bas, la gauche reste")
        << QPoint(1900, 1000) << QSize(65, 563) << 1 << QPoint(1900, 517);
    QTest::newRow("verticale, bord haut jamais corrige")
        << QPoint(10, -30) << QSize(65, 563) << 1 << QPoint(10, -30);
    QTest::newRow("verticale plus haute que l'ecran")
        << QPoint(5, 0) << QSize(65, 1200) << 1 << QPoint(5, -120);
    QTest::newRow("orientation 2 sans correction")
        << QPoint(1900, 1000) << QSize(65, 563) << 2 << QPoint(1900, 1000);
}

void TestDisposition::corrigerBordLointain() {
    QFETCH(QPoint, hautGauche);
    QFETCH(QSize, taille);
    QFETCH(int, orientation);
    QFETCH(QPoint, attendu);

    QCOMPARE(CorrigerBordLointain(hautGauche, taille, quint8(orientation), Ecran), attendu);
}

void TestDisposition::positionTiroir_data() {
    QTest::addColumn<QRect>("bande");
    QTest::addColumn<QRect>("barrePrincipale");
    QTest::addColumn<QSize>("tailleTiroir");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPoint>("attendu");

    QTest::newRow("horizontale, deuxieme bande") << QRect(48, 1, 44, 16) << QRect(100, 500, 93, 65)
                                                 << QSize(46, 140) << 0 << QPoint(147, 360);
    QTest::newRow("horizontale en haut de l'ecran, tiroir au-dessus du bord")
        << QRect(1, 1, 44, 16) << QRect(0, 0, 46, 65) << QSize(46, 93) << 0 << QPoint(0, -93);
    QTest::newRow("verticale, deuxieme bande") << QRect(48, 48, 16, 44) << QRect(100, 200, 65, 93)
                                               << QSize(140, 46) << 1 << QPoint(165, 247);
    QTest::newRow("verticale au bord droit, tiroir hors de l'ecran")
        << QRect(48, 1, 16, 44) << QRect(1855, 0, 65, 46) << QSize(93, 46) << 1 << QPoint(1920, 0);
    QTest::newRow("orientation 2 comme verticale")
        << QRect(48, 48, 16, 44) << QRect(100, 200, 65, 93) << QSize(140, 46) << 2
        << QPoint(165, 247);
}

void TestDisposition::positionTiroir() {
    QFETCH(QRect, bande);
    QFETCH(QRect, barrePrincipale);
    QFETCH(QSize, tailleTiroir);
    QFETCH(int, orientation);
    QFETCH(QPoint, attendu);

    QCOMPARE(PositionTiroir(bande, barrePrincipale, tailleTiroir, quint8(orientation)), attendu);
}

void TestDisposition::tiroirUnBoutonContreSonBouton_data() {
    QTest::addColumn<int>("orientation");

    QTest::newRow("horizontale") << 0;
    QTest::newRow("verticale") << 1;
}

void TestDisposition::tiroirUnBoutonContreSonBouton() {
    QFETCH(int, orientation);
    const quint8 o = quint8(orientation);

    const DispositionBarre principale = DisposerBarre(1, o, true);
    const QRect barre(QPoint(300, 400), *principale.taille);
    const QRect bouton = principale.boutons.first().translated(barre.topLeft());

    const DispositionBarre tiroir = DisposerBarre(1, o, false);
    QCOMPARE(*tiroir.taille, QSize(46, 46));
    const QRect fenetre(PositionTiroir(principale.bandes.first(), barre, *tiroir.taille, o),
                        *tiroir.taille);
    const QRect boutonTiroir = tiroir.boutons.first().translated(fenetre.topLeft());

    if (o == 0) {
        QCOMPARE(boutonTiroir.x(), bouton.x());
        QCOMPARE(fenetre.y() + fenetre.height(), barre.y());
    } else {
        QCOMPARE(boutonTiroir.y(), bouton.y());
        QCOMPARE(fenetre.x(), barre.x() + barre.width());
    }
}

void TestDisposition::bordDuPanneau_data() {
    QTest::addColumn<QRect>("panneau");
    QTest::addColumn<int>("bord");

    const int aucun = int(BordPanneau::Aucun);
    const int haut = int(BordPanneau::Haut);
    const int bas = int(BordPanneau::Bas);
    const int gauche = int(BordPanneau::Gauche);
    const int droite = int(BordPanneau::Droite);

    QTest::newRow("pas de panneau") << QRect() << aucun;
    QTest::newRow("panneau sans surface") << QRect(0, 1080, 1920, 0) << aucun;
    // The rectangles a panel reaching past the screen's edges gives.
    QTest::newRow("debordant en haut") << Fenetre(-2, -2, 1922, 30) << haut;
    QTest::newRow("debordant a gauche") << Fenetre(-2, -2, 60, 1082) << gauche;
    QTest::newRow("debordant carre") << Fenetre(-2, -2, 50, 50) << gauche;
    QTest::newRow("debordant en bas") << Fenetre(-2, 1040, 1922, 1082) << bas;
    QTest::newRow("debordant a droite") << Fenetre(1860, -2, 1922, 1082) << droite;
    // Today's panels lie exactly inside the screen.
    QTest::newRow("en bas") << Fenetre(0, 1040, 1920, 1080) << bas;
    QTest::newRow("en haut") << Fenetre(0, 0, 1920, 30) << haut;
    QTest::newRow("a gauche") << Fenetre(0, 0, 60, 1080) << gauche;
    QTest::newRow("a droite") << Fenetre(1860, 0, 1920, 1080) << droite;
    QTest::newRow("en haut, plus court que l'ecran") << Fenetre(600, 0, 1300, 24) << haut;
}

void TestDisposition::bordDuPanneau() {
    QFETCH(QRect, panneau);
    QFETCH(int, bord);

    QCOMPARE(int(BordDuPanneau(panneau, QRect(QPoint(), Ecran))), bord);
}

void TestDisposition::positionAuLancement_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QSize>("barre");
    QTest::addColumn<QRect>("panneau");
    QTest::addColumn<bool>("deplacee");
    QTest::addColumn<QPoint>("attendu");

    const QSize barre(563, 65);
    const QRect aucun;
    const QRect enHaut = Fenetre(-2, -2, 1922, 30);
    const QRect enBas = Fenetre(0, 1040, 1920, 1080);
    const QRect aGauche = Fenetre(-2, -2, 60, 1082);
    const QRect aDroite = Fenetre(1860, 0, 1920, 1080);

    QTest::newRow("0 sans panneau") << 0 << barre << aucun << true << QPoint(0, 0);
    QTest::newRow("1 sans panneau") << 1 << barre << aucun << true << QPoint(0, 1015);
    QTest::newRow("2 sans panneau") << 2 << barre << aucun << true << QPoint(1357, 1015);
    QTest::newRow("3 sans panneau") << 3 << barre << aucun << true << QPoint(678, 1015);
    QTest::newRow("4 sans panneau") << 4 << barre << aucun << true << QPoint(123, 456);

    QTest::newRow("0 panneau en haut") << 0 << barre << enHaut << true << QPoint(0, 30);
    QTest::newRow("1 panneau en haut") << 1 << barre << enHaut << true << QPoint(0, 1015);
    QTest::newRow("2 panneau en haut") << 2 << barre << enHaut << true << QPoint(1357, 1015);
    QTest::newRow("3 panneau en haut") << 3 << barre << enHaut << true << QPoint(678, 1015);
    QTest::newRow("4 panneau en haut") << 4 << barre << enHaut << true << QPoint(123, 456);

    QTest::newRow("0 panneau en bas") << 0 << barre << enBas << true << QPoint(0, 0);
    QTest::newRow("1 panneau en bas") << 1 << barre << enBas << true << QPoint(0, 975);
    QTest::newRow("2 panneau en bas") << 2 << barre << enBas << true << QPoint(1357, 975);
    QTest::newRow("3 panneau en bas") << 3 << barre << enBas << true << QPoint(678, 975);
    QTest::newRow("4 panneau en bas") << 4 << barre << enBas << true << QPoint(123, 456);

    QTest::newRow("0 panneau a gauche") << 0 << barre << aGauche << true << QPoint(60, 0);
    QTest::newRow("1 panneau a gauche") << 1 << barre << aGauche << true << QPoint(60, 1015);
    QTest::newRow("2 panneau a gauche") << 2 << barre << aGauche << true << QPoint(1357, 1015);
    QTest::newRow("3 panneau a gauche") << 3 << barre << aGauche << true << QPoint(678, 1015);

    QTest::newRow("0 panneau a droite") << 0 << barre << aDroite << true << QPoint(0, 0);
    QTest::newRow("1 panneau a droite") << 1 << barre << aDroite << true << QPoint(0, 1015);
    QTest::newRow("2 panneau a droite") << 2 << barre << aDroite << true << QPoint(1297, 1015);
    QTest::newRow("3 panneau a droite") << 3 << barre << aDroite << true << QPoint(678, 1015);

    QTest::newRow("3 barre plus large de 5 pixels")
        << 3 << QSize(1925, 65) << aucun << true << QPoint(-2, 1015);
    QTest::newRow("3 barre plus large d'un pixel")
        << 3 << QSize(1921, 65) << enBas << true << QPoint(0, 975);
    QTest::newRow("5 laissee ou elle est") << 5 << barre << aucun << false << QPoint();
    QTest::newRow("255 laissee ou elle est") << 255 << barre << enBas << false << QPoint();
}

void TestDisposition::positionAuLancement() {
    QFETCH(int, position);
    QFETCH(QSize, barre);
    QFETCH(QRect, panneau);
    QFETCH(bool, deplacee);
    QFETCH(QPoint, attendu);

    const BordPanneau bord = BordDuPanneau(panneau, QRect(QPoint(), Ecran));
    const PlacementLancement p =
        PositionAuLancement(quint8(position), 123, 456, barre, Ecran, bord, panneau);

    QCOMPARE(p.gauche.has_value(), deplacee);
    QCOMPARE(p.haut.has_value(), deplacee);
    if (deplacee)
        QCOMPARE(QPoint(*p.gauche, *p.haut), attendu);
}

void TestDisposition::flecheTiroir_data() {
    QTest::addColumn<bool>("nonVide");
    QTest::addColumn<int>("etat");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("fleche");

    const int ferme = int(EtatTiroir::Ferme);
    const int cache = int(EtatTiroir::Cache);
    const int ouvert = int(EtatTiroir::Ouvert);
    const int aucune = int(Fleche::Aucune);

    QTest::newRow("vide ferme") << false << ferme << 0 << aucune;
    QTest::newRow("vide ouvert") << false << ouvert << 1 << aucune;
    QTest::newRow("horizontale ferme") << true << ferme << 0 << int(Fleche::FlecheHaut);
    QTest::newRow("horizontale cache") << true << cache << 0 << int(Fleche::FlecheHaut);
    QTest::newRow("horizontale ouvert") << true << ouvert << 0 << int(Fleche::FlecheBas);
    QTest::newRow("verticale ferme") << true << ferme << 1 << int(Fleche::FlecheDroite);
    QTest::newRow("verticale cache") << true << cache << 1 << int(Fleche::FlecheDroite);
    QTest::newRow("verticale ouvert") << true << ouvert << 1 << int(Fleche::FlecheGauche);
    QTest::newRow("orientation 2 ferme") << true << ferme << 2 << int(Fleche::FlecheDroite);
    QTest::newRow("orientation 2 ouvert") << true << ouvert << 2 << int(Fleche::FlecheGauche);
}

void TestDisposition::flecheTiroir() {
    QFETCH(bool, nonVide);
    QFETCH(int, etat);
    QFETCH(int, orientation);
    QFETCH(int, fleche);

    QCOMPARE(int(FlecheTiroir(nonVide, EtatTiroir(etat), quint8(orientation))), fleche);
}

void TestDisposition::cochesMenu_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("stayOnTop");
    QTest::addColumn<bool>("fermetureAuto");
    QTest::addColumn<QStringList>("cochees");

    QTest::newRow("horizontale, en haut a gauche")
        << 0 << 0 << false << false << QStringList{u"Horizontal"_s, u"hg"_s};
    QTest::newRow("verticale, en bas a gauche")
        << 1 << 1 << false << false << QStringList{u"Vertical"_s, u"bg"_s};
    QTest::newRow("en bas a droite")
        << 0 << 2 << false << false << QStringList{u"Horizontal"_s, u"bd"_s};
    QTest::newRow("en bas au milieu")
        << 0 << 3 << false << false << QStringList{u"Horizontal"_s, u"bm"_s};
    QTest::newRow("quelconque, reglages coches")
        << 1 << 4 << true << true
        << QStringList{u"Vertical"_s, u"Quelconque"_s, u"StayOnTop"_s,
                       u"Fermetureautomatiquedestiroirs1"_s};
    QTest::newRow("position 5, aucune position cochee")
        << 0 << 5 << false << false << QStringList{u"Horizontal"_s};
    QTest::newRow("orientation 2 comme verticale")
        << 2 << 255 << false << true
        << QStringList{u"Vertical"_s, u"Fermetureautomatiquedestiroirs1"_s};
}

void TestDisposition::cochesMenu() {
    QFETCH(int, orientation);
    QFETCH(int, position);
    QFETCH(bool, stayOnTop);
    QFETCH(bool, fermetureAuto);
    QFETCH(QStringList, cochees);

    const CochesMenu c =
        CochesMenuBarre(quint8(orientation), quint8(position), stayOnTop, fermetureAuto);
    QCOMPARE(Cochees(c), cochees);
}

void TestDisposition::indiceEnPoint_data() {
    QTest::addColumn<QList<QRect>>("rectangles");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("indice");

    const QList<QRect> boutons{QRect(1, 20, 44, 44), QRect(48, 20, 44, 44)};
    QTest::newRow("coin haut gauche") << boutons << QPoint(1, 20) << 0;
    QTest::newRow("une colonne et une ligne au-dela, comprises") << boutons << QPoint(45, 64) << 0;
    QTest::newRow("dans l'espace entre deux boutons") << boutons << QPoint(46, 30) << -1;
    QTest::newRow("dernier pixel de l'espace") << boutons << QPoint(47, 30) << -1;
    QTest::newRow("second bouton") << boutons << QPoint(48, 30) << 1;
    QTest::newRow("au-dessus") << boutons << QPoint(10, 19) << -1;
    QTest::newRow("au-dessous") << boutons << QPoint(10, 65) << -1;
    QTest::newRow("a gauche") << boutons << QPoint(0, 30) << -1;
    QTest::newRow("liste vide") << QList<QRect>() << QPoint(1, 20) << -1;
    QTest::newRow("bord commun, le premier l'emporte")
        << QList<QRect>{QRect(0, 0, 10, 10), QRect(10, 0, 10, 10)} << QPoint(10, 5) << 0;
}

void TestDisposition::indiceEnPoint() {
    QFETCH(QList<QRect>, rectangles);
    QFETCH(QPoint, point);
    QFETCH(int, indice);

    QCOMPARE(IndiceEnPoint(rectangles, point), qsizetype(indice));
}

QTEST_APPLESS_MAIN(TestDisposition)
#include "tst_disposition.moc"
