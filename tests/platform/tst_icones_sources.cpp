#include "AideIcones.h"
#include "platform/icons.h"

#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

// Every kind of icon source but Windows libraries: icon files, pictures, desktop entries and
// Linux programs, told apart by their content; and what is no icon source at all.

namespace {

QByteArray enregistree(const QImage &image, const char *format) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QImage unie(QSize taille, QRgb couleur) {
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(couleur);
    return image;
}

// A 32 x 32 icon that shows this picture, centred.
QImage centree(const QImage &image) {
    QImage icone = unie(QSize(32, 32), 0);
    QPainter(&icone).drawImage((32 - image.width()) / 2, (32 - image.height()) / 2, image);
    return icone;
}

QImage lireIcone(const char *nom) {
    return iconImage(donneesIcones(QString::fromLatin1(nom)), 0);
}

QByteArray lireDonnees(const char *nom) {
    QFile f(donneesIcones(QString::fromLatin1(nom)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A BMP file header and bitmap header that claim a picture of this size, with no pixels.
QByteArray enteteBmp(qint32 largeur, qint32 hauteur) {
    QByteArray o(54, '\0');
    o[0] = 'B';
    o[1] = 'M';
    qToLittleEndian<quint32>(54, o.data() + 10);
    qToLittleEndian<quint32>(40, o.data() + 14);
    qToLittleEndian(largeur, o.data() + 18);
    qToLittleEndian(hauteur, o.data() + 22);
    qToLittleEndian<quint16>(1, o.data() + 26);
    qToLittleEndian<quint16>(32, o.data() + 28);
    return o;
}

bool memeImage(const QImage &a, const QImage &b, int tolerance) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!proches(a.pixel(x, y), b.pixel(x, y), tolerance))
                return false;
    return true;
}

const QByteArray elf("\x7f"
                     "ELF\2\1\1\0\0\0\0\0\0\0\0\0",
                     16);

} // namespace

class TestIconesSources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void source_data();
    void source();
    void pasUnFichier();
    void tubeSansAttente();
};

void TestIconesSources::initTestCase() {
    // The desktop's theme lacks the test's icons, as it would lack most: they must come from the
    // fallback theme.
    QIcon::setThemeSearchPaths({donneesIcones(QStringLiteral("theme"))});
    QIcon::setThemeName(QStringLiteral("tressola-inexistant"));
    QIcon::setFallbackThemeName(QStringLiteral("tressola-essai"));
}

void TestIconesSources::source_data() {
    QTest::addColumn<QString>("nom");
    // In desktop entries, "@" stands for the folder of the test data, "%" for the test's own.
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QImage>("attendue"); // null: no icon
    QTest::addColumn<int>("tolerance");

    const QImage theme = motif(0x4080C0, 0xC08040, true);
    const QImage rouge = unie(QSize(32, 32), 0xFFFF0000);
    QImage moitie = unie(QSize(64, 64), 0xFFFF0000);
    QPainter(&moitie).fillRect(32, 0, 32, 64, QColor(0, 0, 255));
    const QImage alpha = motif(0x102030, 0x405060, true);

    QTest::newRow("icône .ico") << QStringLiteral("a.ico") << lireDonnees("plusieurs-tailles.ico")
                                << false << lireIcone("plusieurs-tailles.ico") << 0;
    QTest::newRow("PNG avec transparence")
        << QStringLiteral("a.png") << enregistree(alpha, "PNG") << false << alpha << 0;
    QTest::newRow("PNG nommé .bmp")
        << QStringLiteral("a.bmp") << enregistree(alpha, "PNG") << false << alpha << 0;
    QTest::newRow("PNG réduit") << QStringLiteral("a.png") << enregistree(moitie, "PNG") << false
                                << moitie.scaled(32, 32) << 0;
    QTest::newRow("PNG pas carré")
        << QStringLiteral("a.png") << enregistree(unie(QSize(64, 16), 0xFFFF0000), "PNG") << false
        << centree(unie(QSize(32, 8), 0xFFFF0000)) << 0;
    QTest::newRow("BMP") << QStringLiteral("a.bmp") << enregistree(rouge, "BMP") << false << rouge
                         << 0;
    QTest::newRow("XPM") << QStringLiteral("a.xpm") << enregistree(rouge, "XPM") << false << rouge
                         << 0;
    QTest::newRow("SVG") << QStringLiteral("a.svg")
                         << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='640' "
                                       "height='640'><rect width='320' height='640' fill='red'/>"
                                       "<rect x='320' width='320' height='640' fill='blue'/></svg>")
                         << false << moitie.scaled(32, 32) << 1;
    QTest::newRow("BMP de 65535 × 65535")
        << QStringLiteral("a.bmp") << enteteBmp(65535, 65535) << false << QImage() << 0;
    QTest::newRow("XPM de 65535 × 65535")
        << QStringLiteral("a.xpm")
        << QByteArray("/* XPM */\nstatic char *a[] = {\n\"65535 65535 1 1\",\n\"  c #FF0000\",\n")
        << false << QImage() << 0;
    QTest::newRow("JPEG") << QStringLiteral("a.jpg") << enregistree(rouge, "JPEG") << false
                          << QImage() << 0;
    QTest::newRow("texte") << QStringLiteral("a.txt") << QByteArray("bonjour\n") << false
                           << QImage() << 0;
    QTest::newRow("vide") << QStringLiteral("a.ico") << QByteArray() << false << QImage() << 0;

    QTest::newRow("programme que le thème connaît")
        << QStringLiteral("tressola-essai") << elf << true << theme << 3;
    QTest::newRow("script que le thème connaît")
        << QStringLiteral("tressola-essai") << QByteArray("#!/bin/sh\n") << true << theme << 3;
    QTest::newRow("programme non exécutable")
        << QStringLiteral("tressola-essai") << elf << false << QImage() << 0;
    QTest::newRow("programme que le thème ignore")
        << QStringLiteral("tressola-inconnu") << elf << true << QImage() << 0;

    QTest::newRow("entrée: nom du thème")
        << QStringLiteral("a.desktop")
        << QByteArray("[Desktop Entry]\nType=Application\nIcon = tressola-essai \n") << false
        << theme << 3;
    QTest::newRow("entrée: nom du thème avec extension")
        << QStringLiteral("a.desktop") << QByteArray("[Desktop Entry]\nIcon=tressola-essai.png\n")
        << false << theme << 3;
    QTest::newRow("entrée: chemin d'une icône")
        << QStringLiteral("a.DESKTOP") << QByteArray("[Desktop Entry]\nIcon=@monochrome.ico\n")
        << false << lireIcone("monochrome.ico") << 0;
    QTest::newRow("entrée: bibliothèque Windows")
        << QStringLiteral("a.desktop") << QByteArray("[Desktop Entry]\nIcon=@groupes64.dll\n")
        << false << lireIcone("groupes64.dll") << 0;
    QTest::newRow("entrée: chemin avec échappements")
        << QStringLiteral("a.desktop")
        << QByteArray("[Desktop Entry]\nIcon=%avec\\sespace\\\\.ico\n") << false
        << lireIcone("monochrome.ico") << 0;
    QTest::newRow("entrée: une autre entrée")
        << QStringLiteral("a.desktop") << QByteArray("[Desktop Entry]\nIcon=@../b.desktop\n")
        << false << QImage() << 0;
    QTest::newRow("entrée: Icon dans un autre groupe")
        << QStringLiteral("a.desktop")
        << QByteArray("[Desktop Action x]\nIcon=tressola-essai\n[Desktop Entry]\nName=a\n") << false
        << QImage() << 0;
    QTest::newRow("entrée: Icon traduit seulement")
        << QStringLiteral("a.desktop")
        << QByteArray("[Desktop Entry]\nIcon[fr]=tressola-essai\n#Icon=tressola-essai\n") << false
        << QImage() << 0;
    QTest::newRow("entrée: chemin relatif")
        << QStringLiteral("a.desktop") << QByteArray("[Desktop Entry]\nIcon=apps/tressola-essai\n")
        << false << QImage() << 0;
}

void TestIconesSources::source() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(bool, executable);
    QFETCH(QImage, attendue);
    QFETCH(int, tolerance);

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(nom);
    // A second entry that the first may name, naming the first in turn.
    QFile autre(dossier.filePath(QStringLiteral("b.desktop")));
    QVERIFY(autre.open(QIODevice::WriteOnly));
    autre.write("[Desktop Entry]\nIcon=" + chemin.toUtf8() + "\n");
    autre.close();

    QVERIFY(QFile::copy(donneesIcones(QStringLiteral("monochrome.ico")),
                        dossier.filePath(QStringLiteral("avec espace\\.ico"))));

    if (nom.endsWith(u".desktop", Qt::CaseInsensitive)) {
        contenu.replace('@', QFile::encodeName(donneesIcones(QString())));
        contenu.replace('%', QFile::encodeName(dossier.path() + u'/'));
    }
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner |
                                      (executable ? QFile::ExeOwner : QFile::Permissions()));

    QCOMPARE(iconCount(chemin), attendue.isNull() ? 0 : 1);
    const QImage icone = iconImage(chemin, 0);
    if (!icone.isNull()) {
        QCOMPARE(icone.size(), QSize(32, 32));
        QCOMPARE(icone.format(), QImage::Format_ARGB32);
    }
    QVERIFY2(memeImage(icone, attendue, tolerance), "not the expected picture");
    QVERIFY(iconImage(chemin, 1).isNull());
    QVERIFY(iconImage(chemin, -1).isNull());
}

void TestIconesSources::pasUnFichier() {
    QTemporaryDir dossier;
    for (const QString &chemin :
         {QString(), dossier.path(), dossier.filePath(QStringLiteral("absent.ico")),
          QStringLiteral("/dev/null")}) {
        QCOMPARE(iconCount(chemin), 0);
        QVERIFY(iconImage(chemin, 0).isNull());
    }
}

// A named pipe is no icon source, and asking it for one must not wait for a writer.
void TestIconesSources::tubeSansAttente() {
    QTemporaryDir dossier;
    const QString tube = dossier.filePath(QStringLiteral("tube.ico"));
    QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    QCOMPARE(iconCount(tube), 0);
    QVERIFY(iconImage(tube, 0).isNull());
}

QTEST_MAIN(TestIconesSources)
#include "tst_icones_sources.moc"
