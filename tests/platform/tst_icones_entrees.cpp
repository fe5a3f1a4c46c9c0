#include "AideIcones.h"
#include "platform/icones/Choix.h"
#include "platform/icones/Entree.h"
#include "platform/icons.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// The pictures of an icon (bitmaps with their masks, PNG streams), the choice among them, and
// icon files.

using namespace platform::icones;

namespace {

QByteArray u16(quint16 v) {
    QByteArray o(2, '\0');
    qToLittleEndian(v, o.data());
    return o;
}

QByteArray u32(quint32 v) {
    QByteArray o(4, '\0');
    qToLittleEndian(v, o.data());
    return o;
}

QByteArray bgra(QRgb c) {
    return u32(c);
}

// An icon's bitmap: header, then palette, colour rows and mask rows as given (bottom row first).
QByteArray dib(qint32 largeur, qint32 hauteur, quint16 profondeur, const QByteArray &corps,
               quint32 utilisees = 0, quint32 compression = 0) {
    return u32(40) + u32(quint32(largeur)) + u32(quint32(2 * hauteur)) + u16(1) + u16(profondeur) +
           u32(compression) + u32(0) + u32(0) + u32(0) + u32(utilisees) + u32(0) + corps;
}

// A PNG signature and header with nothing after them.
QByteArray debutPng(quint32 largeur, quint32 hauteur) {
    QByteArray ihdr(13, '\0');
    qToBigEndian(largeur, ihdr.data());
    qToBigEndian(hauteur, ihdr.data() + 4);
    ihdr[8] = 8;
    ihdr[9] = 6;
    QByteArray longueur(4, '\0');
    qToBigEndian(quint32(13), longueur.data());
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + longueur + "IHDR" + ihdr + u32(0);
}

QByteArray pngReel(int cote, QRgb couleur) {
    QImage image(cote, cote, QImage::Format_ARGB32);
    image.fill(couleur);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

// An icon file of these entries, each announced as 32 x 32.
QByteArray ico(const QList<QByteArray> &entrees) {
    QByteArray repertoire = u16(0) + u16(1) + u16(quint16(entrees.size()));
    QByteArray donnees;
    quint32 position = quint32(6 + 16 * entrees.size());
    for (const QByteArray &e : entrees) {
        repertoire += QByteArray("\x20\x20\0\0", 4) + u16(1) + u16(32) + u32(quint32(e.size())) +
                      u32(position);
        position += quint32(e.size());
        donnees += e;
    }
    return repertoire + donnees;
}

const QRgb rouge = 0xFFFF0000;
const QRgb bleu = 0xFF0000FF;
const QRgb noir = 0xFF000000;

} // namespace

class TestIconesEntrees : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodage_data();
    void decodage();
    void choix_data();
    void choix();
    void fichierIco_data();
    void fichierIco();
};

void TestIconesEntrees::decodage_data() {
    QTest::addColumn<QByteArray>("entree");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QList<QRgb>>("pixels"); // from the top left, row by row; none: no picture

    const QByteArray rougeBleu = bgra(rouge) + bgra(bleu);
    // Masks of 2-pixel rows, each padded to 4 bytes.
    const QByteArray masqueVide = u32(0) + u32(0);
    const QByteArray masqueHautGauche = u32(0) + QByteArray("\x80\0\0\0", 4);

    QTest::newRow("1 bit, rangées du bas, masque")
        << dib(2, 2, 1, rougeBleu + QByteArray("\x80\0\0\0\x40\0\0\0", 8) + masqueHautGauche)
        << QSize(2, 2) << QList<QRgb>{0, bleu, bleu, rouge};
    QTest::newRow("4 bits, quartet haut d'abord")
        << dib(3, 1, 4,
               rougeBleu + bgra(noir) + bgra(0xFF00FF00) + QByteArray("\x12\x30\0\0", 4) + u32(0),
               4)
        << QSize(3, 1) << QList<QRgb>{bleu, noir, 0xFF00FF00};
    QTest::newRow("8 bits, index hors de la palette en noir")
        << dib(2, 1, 8, rougeBleu + QByteArray("\x01\x05\0\0", 4) + u32(0), 2) << QSize(2, 1)
        << QList<QRgb>{bleu, noir};
    QTest::newRow("16 bits, cinq bits par canal")
        << dib(2, 1, 16, u16(0x7C00) + u16(0x0210) + u32(0)) << QSize(2, 1)
        << QList<QRgb>{rouge, 0xFF008484};
    QTest::newRow("24 bits, rangées complétées à 4 octets")
        << dib(1, 2, 24, QByteArray("\x01\x02\x03\0\x04\x05\x06\0", 8) + masqueVide) << QSize(1, 2)
        << QList<QRgb>{0xFF060504, 0xFF030201};
    QTest::newRow("32 bits, l'alpha l'emporte sur le masque")
        << dib(2, 1, 32, u32(0x80112233) + u32(0xFF445566) + QByteArray("\xC0\0\0\0", 4))
        << QSize(2, 1) << QList<QRgb>{0x80112233, 0xFF445566};
    QTest::newRow("32 bits sans alpha, le masque décide")
        << dib(2, 1, 32, u32(0x00112233) + u32(0x00445566) + QByteArray("\x40\0\0\0", 4))
        << QSize(2, 1) << QList<QRgb>{0xFF112233, 0};
    QTest::newRow("32 bits sans masque") << dib(2, 1, 32, u32(0x10112233) + u32(0x00445566))
                                         << QSize(2, 1) << QList<QRgb>{0x10112233, 0};
    QTest::newRow("8 bits sans masque")
        << dib(2, 1, 8, rougeBleu + u32(0), 2) << QSize() << QList<QRgb>{};
    QTest::newRow("pixels tronqués")
        << dib(2, 2, 32, u32(0) + u32(0) + u32(0)) << QSize() << QList<QRgb>{};
    QTest::newRow("hauteur négative")
        << dib(2, -1, 32, u32(0xFF000000) + u32(0xFF000000) + u32(0)) << QSize() << QList<QRgb>{};
    QTest::newRow("largeur nulle") << dib(0, 1, 32, u32(0)) << QSize() << QList<QRgb>{};
    QTest::newRow("65535 × 65535")
        << dib(65535, 65535, 1, QByteArray(64, '\0')) << QSize() << QList<QRgb>{};
    QTest::newRow("palette de quatre milliards")
        << dib(2, 1, 8, QByteArray(16, '\0'), 0xFFFFFFFF) << QSize() << QList<QRgb>{};
    QTest::newRow("palette plus grande que la profondeur")
        << dib(1, 1, 1, QByteArray(32, '\0'), 3) << QSize() << QList<QRgb>{};
    QTest::newRow("7 bits par pixel")
        << dib(1, 1, 7, QByteArray(64, '\0')) << QSize() << QList<QRgb>{};
    QTest::newRow("compression RLE")
        << dib(1, 1, 8, QByteArray(1100, '\0'), 0, 1) << QSize() << QList<QRgb>{};
    QTest::newRow("en-tête de 12 octets")
        << (u32(12) + u16(1) + u16(1) + u16(1) + u16(32) + QByteArray(64, '\0')) << QSize()
        << QList<QRgb>{};
    QTest::newRow("en-tête de quatre milliards d'octets")
        << (u32(0xFFFFFFFF) + dib(1, 1, 32, u32(0) + u32(0)).mid(4)) << QSize() << QList<QRgb>{};
    QTest::newRow("PNG") << pngReel(3, 0x80FF0000) << QSize(3, 3) << QList<QRgb>(9, 0x80FF0000);
    QTest::newRow("PNG de 65535 × 65535") << debutPng(65535, 65535) << QSize() << QList<QRgb>{};
    QTest::newRow("PNG sans données") << debutPng(16, 16) << QSize() << QList<QRgb>{};
    QTest::newRow("PNG tronqué") << pngReel(16, rouge).first(60) << QSize() << QList<QRgb>{};
    QTest::newRow("vide") << QByteArray() << QSize() << QList<QRgb>{};
}

void TestIconesEntrees::decodage() {
    QFETCH(QByteArray, entree);
    QFETCH(QSize, taille);
    QFETCH(QList<QRgb>, pixels);
    const QImage image = decoderEntree(Octets(entree));
    QCOMPARE(image.isNull() ? QSize() : image.size(), taille);
    if (image.isNull())
        return;
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QList<QRgb> lus;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lus.append(image.pixel(x, y));
    QCOMPARE(lus, pixels);
}

void TestIconesEntrees::choix_data() {
    using A = std::optional<ApercuEntree>;
    QTest::addColumn<QList<A>>("entrees");
    QTest::addColumn<int>("choisie");
    const auto e = [](int cote, int profondeur) {
        return A(ApercuEntree{cote, cote, profondeur, false});
    };
    QTest::newRow("32 × 32, la plus profonde") << QList<A>{e(32, 4), e(32, 32), e(32, 8)} << 1;
    QTest::newRow("à profondeur égale, la première") << QList<A>{e(32, 8), e(32, 8)} << 0;
    QTest::newRow("la taille exacte avant la couleur")
        << QList<A>{e(48, 32), e(32, 4), e(16, 32)} << 1;
    QTest::newRow("la plus proche des plus grandes")
        << QList<A>{e(256, 32), e(16, 32), e(48, 8), e(64, 32)} << 2;
    QTest::newRow("à taille égale, la plus profonde") << QList<A>{e(48, 8), e(48, 32)} << 1;
    QTest::newRow("sinon la plus grande des petites") << QList<A>{e(16, 32), e(24, 4)} << 1;
    QTest::newRow("une image illisible est passée") << QList<A>{A(), e(16, 4), A()} << 1;
    QTest::newRow("aucune") << QList<A>{A(), A()} << -1;
    QTest::newRow("vide") << QList<A>{} << -1;
    QTest::newRow("pas carrée: plus petite d'un côté")
        << QList<A>{A(ApercuEntree{64, 16, 32, false}), e(48, 4)} << 1;
}

void TestIconesEntrees::choix() {
    QFETCH(QList<std::optional<ApercuEntree>>, entrees);
    QFETCH(int, choisie);
    QCOMPARE(meilleureEntree(entrees), choisie);
}

void TestIconesEntrees::fichierIco_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QImage>("attendue"); // null: no icon

    const auto lire = [](const char *nom) {
        QFile f(donneesIcones(QString::fromLatin1(nom)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray monochrome = lire("monochrome.ico");
    const QImage imageMonochrome = motif(0x102030, 0xF0E0D0, false);
    const auto modifie = [&](int position, const QByteArray &octets) {
        return QByteArray(monochrome).replace(position, octets.size(), octets);
    };

    QTest::newRow("une seule image") << monochrome << imageMonochrome;
    QTest::newRow("plusieurs tailles et profondeurs")
        << lire("plusieurs-tailles.ico") << motif(0xC00000, 0x00C000, true);
    QTest::newRow("répertoire de 65535 entrées, une présente")
        << modifie(4, u16(0xFFFF)) << QImage();
    QTest::newRow("image hors du fichier") << modifie(18, u32(0xFFFFFFF0)) << QImage();
    QTest::newRow("image de quatre milliards d'octets") << modifie(14, u32(0xFFFFFFFF)) << QImage();
    QTest::newRow("curseur") << modifie(2, u16(2)) << QImage();
    QTest::newRow("aucune entrée") << modifie(4, u16(0)) << QImage();
    QTest::newRow("tronqué") << monochrome.first(monochrome.size() - 1) << QImage();
    // A PNG that lies about its size is passed over for the sound bitmap.
    QImage rouge32(32, 32, QImage::Format_ARGB32);
    rouge32.fill(rouge);
    QTest::newRow("PNG mensonger et bitmap sain")
        << ico({debutPng(65535, 65535),
                dib(32, 32, 32, bgra(rouge).repeated(32 * 32) + QByteArray(128, '\0'))})
        << rouge32;
}

void TestIconesEntrees::fichierIco() {
    QFETCH(QByteArray, contenu);
    QFETCH(QImage, attendue);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("essai.ico"));
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    QCOMPARE(iconCount(chemin), attendue.isNull() ? 0 : 1);
    QCOMPARE(iconImage(chemin, 0), attendue);
    QVERIFY(iconImage(chemin, 1).isNull());
}

QTEST_MAIN(TestIconesEntrees)
#include "tst_icones_entrees.moc"
