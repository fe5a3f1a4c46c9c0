#include "AideIcones.h"
#include "platform/iconExport.h"
#include "platform/icons.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// Saving an icon as BMP or ICO: the saved file is an icon source that gives the same picture, and
// other readers see it too.

namespace {

using Sauvegarde = std::function<bool(const QImage &, const QString &, QString *)>;

QImage iconeDe(int index) {
    return iconImage(donneesIcones(QStringLiteral("groupes64.dll")), index);
}

const struct {
    const char *nom;
    Sauvegarde sauver;
    qint64 taille; // of the whole file
} formats[] = {
    {"bmp", saveIconAsBmp, 14 + 124 + 32 * 32 * 4},
    {"ico", saveIconAsIco, 6 + 16 + 40 + 32 * 32 * 4 + 32 * 4},
};

} // namespace

class TestIconesExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allerRetour_data();
    void allerRetour();
    void luParQt_data();
    void luParQt();
    void echec_data();
    void echec();
};

void TestIconesExport::allerRetour_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("index");
    for (int f = 0; f < 2; ++f) {
        QTest::addRow("%s demi-transparente", formats[f].nom) << f << 0;
        QTest::addRow("%s 1 bit", formats[f].nom) << f << 2;
    }
}

// Saved over a larger file, which goes as a whole.
void TestIconesExport::allerRetour() {
    QFETCH(int, format);
    QFETCH(int, index);
    const QImage icone = iconeDe(index);
    QVERIFY(!icone.isNull());
    QTemporaryDir dossier;
    const QString cible =
        dossier.filePath(QStringLiteral("icone.") + QString::fromLatin1(formats[format].nom));
    QVERIFY(ecrireTout(cible, QByteArray(100000, 'x')));
    QString erreur;
    QVERIFY(formats[format].sauver(icone, cible, &erreur));
    QVERIFY(erreur.isEmpty());
    QCOMPARE(QFileInfo(cible).size(), formats[format].taille);
    QCOMPARE(iconCount(cible), 1);
    QCOMPARE(iconImage(cible, 0), icone);
}

void TestIconesExport::luParQt_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("tolerance");
    // Qt's icon reader premultiplies its pixels, and rounds them so.
    QTest::newRow("bmp") << 0 << 0;
    QTest::newRow("ico") << 1 << 1;
}

// Another reader than ours sees one 32 x 32 picture, the same, its transparent parts transparent.
void TestIconesExport::luParQt() {
    QFETCH(int, format);
    QFETCH(int, tolerance);
    const QImage icone = iconeDe(0);
    QTemporaryDir dossier;
    const QString cible = dossier.filePath(QStringLiteral("icone"));
    QVERIFY(formats[format].sauver(icone, cible, nullptr));
    QImageReader lecteur(cible, formats[format].nom);
    QCOMPARE(lecteur.imageCount(), 1);
    const QImage lue = lecteur.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(lue.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QVERIFY(qAlpha(icone.pixel(x, y)) == 0
                        ? qAlpha(lue.pixel(x, y)) == 0
                        : proches(lue.pixel(x, y), icone.pixel(x, y), tolerance));
}

void TestIconesExport::echec_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("cible"); // in the test's folder
    QTest::addColumn<bool>("icone");
    for (int f = 0; f < 2; ++f) {
        const char *nom = formats[f].nom;
        QTest::addRow("%s dans un dossier absent", nom) << f << QStringLiteral("absent/i") << true;
        QTest::addRow("%s sur un dossier", nom) << f << QStringLiteral("dossier") << true;
        QTest::addRow("%s sans icône", nom) << f << QStringLiteral("icone") << false;
    }
}

void TestIconesExport::echec() {
    QFETCH(int, format);
    QFETCH(QString, cible);
    QFETCH(bool, icone);
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("dossier")));
    const QString chemin = dossier.filePath(cible);
    QString erreur;
    QVERIFY(!formats[format].sauver(icone ? iconeDe(0) : QImage(), chemin, &erreur));
    QVERIFY(!erreur.isEmpty());
    QVERIFY(!QFileInfo(chemin).isFile());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList());
    // Without a place for the reason, the failure is still told.
    QVERIFY(!formats[format].sauver(icone ? iconeDe(0) : QImage(), chemin, nullptr));
}

QTEST_MAIN(TestIconesExport)
#include "tst_icones_export.moc"
