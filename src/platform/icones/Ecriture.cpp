#include "platform/icones/Ecriture.h"

namespace platform::icones {

namespace {

class Tampon {
public:
    void u8(quint8 v) { m_octets.append(char(v)); }
    void u16(quint16 v) {
        u8(quint8(v));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v) {
        u16(quint16(v));
        u16(quint16(v >> 16));
    }
    void zeros(int n) { m_octets.append(n, '\0'); }
    void octets(QByteArrayView v) { m_octets.append(v); }
    QByteArray resultat() const { return m_octets; }

private:
    QByteArray m_octets;
};

// The rows of a picture from the bottom, each pixel as blue, green, red and alpha bytes.
void pixelsDuBas(Tampon &t, const QImage &image) {
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            t.u32(ligne[x]); // 0xAARRGGBB, written little-endian
    }
}

// The mask rows from the bottom: a set bit for each fully transparent pixel, rows padded to
// four bytes.
void masqueDuBas(Tampon &t, const QImage &image) {
    const int pas = (image.width() + 31) / 32 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray ligne(pas, '\0');
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(pixels[x]) == 0)
                ligne[x / 8] = char(ligne[x / 8] | (0x80 >> (x % 8)));
        t.octets(ligne);
    }
}

quint32 tailleMasque(const QImage &image) {
    return quint32((image.width() + 31) / 32 * 4 * image.height());
}

} // namespace

QByteArray fichierBmp(const QImage &source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    constexpr quint32 tailleEnteteFichier = 14;
    constexpr quint32 tailleEnteteV5 = 124;
    const quint32 taillePixels = quint32(image.width() * image.height() * 4);
    Tampon t;
    t.octets("BM");
    t.u32(tailleEnteteFichier + tailleEnteteV5 + taillePixels);
    t.u32(0);
    t.u32(tailleEnteteFichier + tailleEnteteV5);
    t.u32(tailleEnteteV5);
    t.u32(quint32(image.width()));
    t.u32(quint32(image.height()));
    t.u16(1);  // planes
    t.u16(32); // bits per pixel
    t.u32(3);  // BI_BITFIELDS: the masks below say where each channel lies
    t.u32(taillePixels);
    t.u32(2835); // 72 dots per inch
    t.u32(2835);
    t.u32(0); // no palette
    t.u32(0);
    t.u32(0x00FF0000u); // red
    t.u32(0x0000FF00u); // green
    t.u32(0x000000FFu); // blue
    t.u32(0xFF000000u); // alpha
    t.u32(0x73524742u); // colour space: sRGB
    t.zeros(36 + 12);   // end points and gammas, unused with sRGB
    t.u32(4);           // rendering intent: pictures
    t.zeros(12);        // no profile
    pixelsDuBas(t, image);
    return t.resultat();
}

QByteArray fichierIco(const QImage &source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull() || image.width() > 256 || image.height() > 256)
        return {};
    constexpr quint32 tailleRepertoire = 6 + 16;
    constexpr quint32 tailleInfo = 40;
    const quint32 tailleImage = quint32(image.width() * image.height() * 4) + tailleMasque(image);
    Tampon t;
    t.u16(0);
    t.u16(1);                    // icon
    t.u16(1);                    // one entry
    t.u8(quint8(image.width())); // 256 is written 0
    t.u8(quint8(image.height()));
    t.u8(0); // no palette
    t.u8(0);
    t.u16(1);
    t.u16(32);
    t.u32(tailleInfo + tailleImage);
    t.u32(tailleRepertoire);
    t.u32(tailleInfo);
    t.u32(quint32(image.width()));
    t.u32(quint32(image.height() * 2)); // colour rows, then mask rows
    t.u16(1);
    t.u16(32);
    t.u32(0); // BI_RGB
    t.u32(tailleImage);
    t.zeros(16);
    pixelsDuBas(t, image);
    masqueDuBas(t, image);
    return t.resultat();
}

} // namespace platform::icones
