#include "AideIcones.h"
#include "platform/iconExport.h"
#include "platform/icons.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// Saving an icon as BMP or ICO: the saved file is an icon source that gives the same picture.

namespace {

using Sauvegarde = std::function<bool(const QImage &, const QString &, QString *)>;

QString donnees(const char *nom) {
    return donneesIcones(QString::fromLatin1(nom));
}

} // namespace

Q_DECLARE_METATYPE(Sauvegarde)

class TestIconesExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allerRetour_data();
    void allerRetour();
    void icoLuParQt();
    void bmpLuParQt();
    void echec_data();
    void echec();
    void remplace();
};

void TestIconesExport::allerRetour_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<Sauvegarde>("sauver");

    const struct {
        const char *nom;
        const char *fichier;
        int index;
    } sources[] = {
        {"demi-transparente", "groupes64.dll", 0}, {"1 bit", "groupes64.dll", 2},
        {"16 bits", "groupes64.dll", 11},          {"réduite de 48", "groupes64.dll", 8},
        {"PNG de 256", "png256.ico", 0},
    };
    for (const auto &s : sources) {
        QTest::addRow("%s en BMP", s.nom)
            << donnees(s.fichier) << s.index << QStringLiteral("bmp") << Sauvegarde(saveIconAsBmp);
        QTest::addRow("%s en ICO", s.nom)
            << donnees(s.fichier) << s.index << QStringLiteral("ico") << Sauvegarde(saveIconAsIco);
    }
}

void TestIconesExport::allerRetour() {
    QFETCH(QString, source);
    QFETCH(int, index);
    QFETCH(QString, extension);
    QFETCH(Sauvegarde, sauver);
    const QImage icone = iconImage(source, index);
    QVERIFY(!icone.isNull());
    QTemporaryDir dossier;
    const QString cible = dossier.filePath(QStringLiteral("icone.") + extension);
    QString erreur;
    QVERIFY(sauver(icone, cible, &erreur));
    QVERIFY(erreur.isEmpty());
    QCOMPARE(iconCount(cible), 1);
    QCOMPARE(iconImage(cible, 0), icone);
}

// Another reader of icon files than ours sees the same picture and one 32 x 32 entry (within
// the rounding of its premultiplied pixels).
void TestIconesExport::icoLuParQt() {
    const QImage icone = iconImage(donnees("groupes64.dll"), 0);
    QTemporaryDir dossier;
    const QString cible = dossier.filePath(QStringLiteral("icone.ico"));
    QVERIFY(saveIconAsIco(icone, cible));
    QImageReader lecteur(cible, "ico");
    QCOMPARE(lecteur.imageCount(), 1);
    QImage lue = lecteur.read();
    QCOMPARE(lue.size(), QSize(32, 32));
    lue = lue.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QVERIFY(qAlpha(icone.pixel(x, y)) == 0
                        ? qAlpha(lue.pixel(x, y)) == 0
                        : proches(lue.pixel(x, y), icone.pixel(x, y), 1));
}

// The BMP is 32 x 32 at 32 bits, its transparent parts transparent for any BMP reader that reads
// alpha masks.
void TestIconesExport::bmpLuParQt() {
    const QImage icone = iconImage(donnees("groupes64.dll"), 0);
    QTemporaryDir dossier;
    const QString cible = dossier.filePath(QStringLiteral("icone.bmp"));
    QVERIFY(saveIconAsBmp(icone, cible));
    QCOMPARE(QFileInfo(cible).size(), 14 + 124 + 32 * 32 * 4);
    const QImage lue = QImage(cible, "bmp").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(lue.size(), QSize(32, 32));
    QCOMPARE(qAlpha(lue.pixel(0, 0)), 0);
    QCOMPARE(lue.pixel(20, 28), icone.pixel(20, 28));
    QCOMPARE(qAlpha(lue.pixel(20, 28)), 0x80);
}

void TestIconesExport::echec_data() {
    QTest::addColumn<QString>("cible"); // in the test's folder
    QTest::addColumn<bool>("icone");
    QTest::addColumn<Sauvegarde>("sauver");
    for (const auto &[format, sauver] : {std::pair{"BMP", Sauvegarde(saveIconAsBmp)},
                                         std::pair{"ICO", Sauvegarde(saveIconAsIco)}}) {
        QTest::addRow("%s dans un dossier absent", format)
            << QStringLiteral("absent/icone") << true << sauver;
        QTest::addRow("%s sur un dossier", format) << QStringLiteral("dossier") << true << sauver;
        QTest::addRow("%s sans icône", format) << QStringLiteral("icone") << false << sauver;
    }
}

void TestIconesExport::echec() {
    QFETCH(QString, cible);
    QFETCH(bool, icone);
    QFETCH(Sauvegarde, sauver);
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("dossier")));
    const QString chemin = dossier.filePath(cible);
    QString erreur;
    QVERIFY(!sauver(icone ? iconImage(donnees("groupes64.dll"), 0) : QImage(), chemin, &erreur));
    QVERIFY(!erreur.isEmpty());
    QVERIFY(!QFileInfo(chemin).isFile());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList());
    // Without a place for the reason, the failure is still told.
    QVERIFY(!sauver(icone ? iconImage(donnees("groupes64.dll"), 0) : QImage(), chemin, nullptr));
}

void TestIconesExport::remplace() {
    QTemporaryDir dossier;
    const QString cible = dossier.filePath(QStringLiteral("icone.ico"));
    QFile ancien(cible);
    QVERIFY(ancien.open(QIODevice::WriteOnly));
    ancien.write(QByteArray(100000, 'x'));
    ancien.close();
    const QImage icone = iconImage(donnees("groupes64.dll"), 1);
    QVERIFY(saveIconAsIco(icone, cible));
    QCOMPARE(iconImage(cible, 0), icone);
    QCOMPARE(QFileInfo(cible).size(), 6 + 16 + 40 + 32 * 32 * 4 + 32 * 4);
}

QTEST_MAIN(TestIconesExport)
#include "tst_icones_export.moc"
