#include "logic/ChoixIcone.h"
#include "logic/Echelle.h"
#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FormatIcone)

class TestReglesDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void echelle_data();
    void echelle();
    void choixIcone_data();
    void choixIcone();
    void gaucheChoix_data();
    void gaucheChoix();
    void separateurFinal_data();
    void separateurFinal();
    void formatExport_data();
    void formatExport();
};

void TestReglesDialogues::echelle_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("attendu");

    QTest::newRow("dessiné à 120") << 525 << 120 << 525;
    QTest::newRow("96, exact") << 525 << 96 << 420;
    QTest::newRow("96, arrondi au-dessus") << 19 << 96 << 15; // 15.2
    QTest::newRow("96, demi vers le haut") << 3 << 100 << 3;  // 2.5
    QTest::newRow("144") << 370 << 144 << 444;
    QTest::newRow("192") << 85 << 192 << 136;
    QTest::newRow("négatif, demi") << -3 << 100 << -3; // -2.5
    QTest::newRow("sans débordement") << INT_MAX << 120 << INT_MAX;
}

void TestReglesDialogues::echelle() {
    QFETCH(int, pixels);
    QFETCH(int, dpi);
    QFETCH(int, attendu);
    QCOMPARE(Echelle(pixels, dpi), attendu);
}

void TestReglesDialogues::choixIcone_data() {
    QTest::addColumn<int>("dansLeFichier");
    QTest::addColumn<int>("offertes");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("gaucheDerniere");

    QTest::newRow("une") << 1 << 1 << 58 << 4;
    QTest::newRow("trois") << 3 << 3 << 154 << 100;
    QTest::newRow("quarante") << 40 << 40 << 1930 << 1876;
    QTest::newRow("cinquante-sept") << 57 << 40 << 1930 << 1876;
    QTest::newRow("aucune") << 0 << 0 << 10 << 0;
    QTest::newRow("compte négatif") << -1 << 0 << 10 << 0;
}

void TestReglesDialogues::choixIcone() {
    QFETCH(int, dansLeFichier);
    QFETCH(int, offertes);
    QFETCH(int, largeur);
    QFETCH(int, gaucheDerniere);
    QCOMPARE(NombreIconesOffertes(dansLeFichier), offertes);
    QCOMPARE(LargeurChoixIcone(offertes), largeur);
    if (offertes > 0)
        QCOMPARE(GaucheBoutonIcone(offertes - 1), gaucheDerniere);
}

void TestReglesDialogues::gaucheChoix_data() {
    QTest::addColumn<int>("gauche");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("ecran");
    QTest::addColumn<int>("attendu");

    QTest::newRow("dans l'écran") << 100 << 154 << 1280 << 100;
    QTest::newRow("bord droit juste avant l'écran") << 1125 << 154 << 1280 << 1125;
    QTest::newRow("bord droit au bord de l'écran") << 1126 << 154 << 1280 << 1126;
    QTest::newRow("dépasse à droite") << 1200 << 154 << 1280 << 1126;
    QTest::newRow("plus large que l'écran") << 0 << 1930 << 1280 << 0;
    QTest::newRow("centrée, plus large") << -325 << 1930 << 1280 << 0;
    QTest::newRow("à gauche de l'écran") << -20 << 154 << 1280 << 0;
    QTest::newRow("aussi large que l'écran") << 5 << 1280 << 1280 << 0;
}

void TestReglesDialogues::gaucheChoix() {
    QFETCH(int, gauche);
    QFETCH(int, largeur);
    QFETCH(int, ecran);
    QFETCH(int, attendu);
    QCOMPARE(GaucheChoixIcone(gauche, largeur, ecran), attendu);
}

void TestReglesDialogues::separateurFinal_data() {
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QChar>("separateur");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("C:\\TEMP") << uR"(C:\TEMP)"_s << QChar(u'\\') << uR"(C:\TEMP\)"_s;
    QTest::newRow("C:\\TEMP\\") << uR"(C:\TEMP\)"_s << QChar(u'\\') << uR"(C:\TEMP\)"_s;
    QTest::newRow("vide") << QString() << QChar(u'\\') << QString();
    QTest::newRow("lecteur") << u"C:"_s << QChar(u'\\') << uR"(C:\)"_s;
    QTest::newRow("/tmp") << u"/tmp"_s << QChar(u'/') << u"/tmp/"_s;
    QTest::newRow("/tmp/") << u"/tmp/"_s << QChar(u'/') << u"/tmp/"_s;
    QTest::newRow("racine") << u"/"_s << QChar(u'/') << u"/"_s;
}

void TestReglesDialogues::separateurFinal() {
    QFETCH(QString, repertoire);
    QFETCH(QChar, separateur);
    QFETCH(QString, attendu);
    QCOMPARE(AvecSeparateurFinal(repertoire, separateur), attendu);
}

void TestReglesDialogues::formatExport_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("separateurs");
    QTest::addColumn<FormatIcone>("attendu");

    const QString posix = SeparateursPosix.toString();
    const QString windows = SeparateursWindows.toString();
    QTest::newRow("ICONE.bmp") << u"/tmp/ICONE.bmp"_s << posix << FormatIcone::Bmp;
    QTest::newRow("icone.BMP") << u"/tmp/icone.BMP"_s << posix << FormatIcone::Bmp;
    QTest::newRow("icone.ico") << u"/tmp/icone.ico"_s << posix << FormatIcone::Ico;
    QTest::newRow("icone.Ico") << u"/tmp/icone.Ico"_s << posix << FormatIcone::Ico;
    QTest::newRow("icone.png") << u"/tmp/icone.png"_s << posix << FormatIcone::Aucun;
    QTest::newRow("sans extension") << u"/tmp/icone"_s << posix << FormatIcone::Aucun;
    QTest::newRow("icone.bm") << u"/tmp/icone.bm"_s << posix << FormatIcone::Aucun;
    QTest::newRow("icone.bmpx") << u"/tmp/icone.bmpx"_s << posix << FormatIcone::Bmp;
    QTest::newRow("icone.icons") << u"/tmp/icone.icons"_s << posix << FormatIcone::Ico;
    QTest::newRow("point du répertoire") << u"/tmp/a.bmp/icone"_s << posix << FormatIcone::Aucun;
    QTest::newRow("dernier point") << u"/tmp/icone.ico.bmp"_s << posix << FormatIcone::Bmp;
    QTest::newRow("accent non converti") << u"/tmp/icone.bmé"_s << posix << FormatIcone::Aucun;
    QTest::newRow("windows") << uR"(C:\ICONES\A.ICO)"_s << windows << FormatIcone::Ico;
}

void TestReglesDialogues::formatExport() {
    QFETCH(QString, nom);
    QFETCH(QString, separateurs);
    QFETCH(FormatIcone, attendu);
    QCOMPARE(FormatExport(nom, separateurs), attendu);
}

QTEST_APPLESS_MAIN(TestReglesDialogues)
#include "tst_reglesdialogues.moc"
