#include "logic/ChoixIcone.h"
#include "logic/Echelle.h"
#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

// The dialog tests see twelve icons, 57 offering 40, the chooser centred, kept, moved back to the
// right edge and wider than the screen, /tmp given a separator, and icons saved as .bmp and .ico;
// these are the other figures.
class TestReglesDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void echelle_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("attendu");

        QTest::newRow("96, arrondi") << 19 << 96 << 15;      // 15.2
        QTest::newRow("demi vers le haut") << 3 << 100 << 3; // 2.5
        QTest::newRow("négatif, demi") << -3 << 100 << -3;   // -2.5
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

        QTest::newRow("quarante") << 40 << 40 << 1930 << 1876;
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

    // The chooser is pulled back inside the screen on either side.
    void gaucheChoix() {
        QCOMPARE(GaucheChoixIcone(-20, 154, 1280), 0);
        QCOMPARE(GaucheChoixIcone(1200, 154, 1280), 1126);
    }

    void separateurFinal_data() {
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<QString>("attendu");

        // Only the separator given counts.
        QTest::newRow("lecteur") << u"C:"_s << QChar(u'\\') << uR"(C:\)"_s;
        QTest::newRow("/tmp/ déjà") << u"/tmp/"_s << QChar(u'/') << u"/tmp/"_s;
        QTest::newRow("vide") << QString() << QChar(u'/') << QString();
    }
    void separateurFinal() {
        QFETCH(QString, repertoire);
        QFETCH(QChar, separateur);
        QFETCH(QString, attendu);
        QCOMPARE(AvecSeparateurFinal(repertoire, separateur), attendu);
    }

    // Only the first four characters of the extension count, whatever their case.
    void formatExport_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<FormatIcone>("attendu");

        QTest::newRow("icone.Ico") << u"/tmp/icone.Ico"_s << FormatIcone::Ico;
        QTest::newRow("icone.bmpx") << u"/tmp/icone.bmpx"_s << FormatIcone::Bmp;
        QTest::newRow("icone.bm") << u"/tmp/icone.bm"_s << FormatIcone::Aucun;
        QTest::newRow("accent non converti") << u"/tmp/icone.bmé"_s << FormatIcone::Aucun;
    }
    void formatExport() {
        QFETCH(QString, nom);
        QFETCH(FormatIcone, attendu);
        QCOMPARE(FormatExport(nom, SeparateursPosix), attendu);
    }
};

QTEST_APPLESS_MAIN(TestReglesDialogues)
#include "tst_reglesdialogues.moc"
