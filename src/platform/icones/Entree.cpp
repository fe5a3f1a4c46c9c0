#include "platform/icones/Entree.h"

#include <array>

namespace platform::icones {

namespace {

const QByteArrayView signaturePng("\x89PNG\r\n\x1a\n", 8);

quint32 u32GrosBout(Octets o, quint64 pos) {
    return quint32(o.u8(pos)) << 24 | quint32(o.u8(pos + 1)) << 16 | quint32(o.u8(pos + 2)) << 8 |
           quint32(o.u8(pos + 3));
}

// Where the parts of an icon's bitmap lie in its entry, once checked against the entry.
struct Dib {
    int largeur = 0;
    int hauteur = 0;
    int profondeur = 0;
    quint32 couleursPalette = 0;
    quint64 debutPalette = 0;
    quint64 debutCouleurs = 0;
    quint64 pasCouleurs = 0;
    quint64 debutMasque = 0;
    quint64 pasMasque = 0;
    bool masque = false;
};

std::optional<Dib> lireDib(Octets e) {
    constexpr quint32 tailleInfo = 40;
    if (!e.contient(0, tailleInfo))
        return {};
    const quint32 tailleEntete = e.u32(0);
    const qint32 largeur = e.i32(4);
    // An icon's bitmap holds its colour rows and then its mask rows, hence twice the height.
    // A negative height (rows stored from the top) is not an icon.
    const qint32 hauteurDouble = e.i32(8);
    const int profondeur = e.u16(14);
    const quint32 compression = e.u32(16);
    const quint32 utilisees = e.u32(32);
    if (tailleEntete < tailleInfo || !e.contient(0, tailleEntete))
        return {};
    if (largeur < 1 || largeur > coteMaximal || hauteurDouble < 2 ||
        hauteurDouble / 2 > coteMaximal)
        return {};
    if (compression != 0)
        return {};
    if (profondeur != 1 && profondeur != 4 && profondeur != 8 && profondeur != 16 &&
        profondeur != 24 && profondeur != 32)
        return {};
    const quint32 entreesPossibles = profondeur <= 8 ? 1u << profondeur : 256u;
    const quint32 couleurs = profondeur <= 8 && utilisees == 0 ? entreesPossibles : utilisees;
    if (couleurs > entreesPossibles)
        return {};

    Dib d;
    d.largeur = largeur;
    d.hauteur = hauteurDouble / 2;
    d.profondeur = profondeur;
    d.couleursPalette = couleurs;
    d.debutPalette = tailleEntete;
    d.debutCouleurs = d.debutPalette + 4 * quint64(couleurs);
    d.pasCouleurs = (quint64(largeur) * quint64(profondeur) + 31) / 32 * 4;
    d.debutMasque = d.debutCouleurs + d.pasCouleurs * quint64(d.hauteur);
    d.pasMasque = (quint64(largeur) + 31) / 32 * 4;
    if (!e.contient(d.debutCouleurs, d.pasCouleurs * quint64(d.hauteur)))
        return {};
    d.masque = e.contient(d.debutMasque, d.pasMasque * quint64(d.hauteur));
    // Only an alpha channel can stand in for a missing mask.
    if (!d.masque && profondeur != 32)
        return {};
    return d;
}

QRgb pixelDib(const Dib &d, const uchar *ligne, int x, const std::array<QRgb, 256> &palette) {
    switch (d.profondeur) {
    case 1:
        return palette[(ligne[x >> 3] >> (7 - (x & 7))) & 1];
    case 4:
        return palette[(ligne[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
    case 8:
        return palette[ligne[x]];
    case 16: {
        const int v = ligne[2 * x] | ligne[2 * x + 1] << 8;
        const auto etendre = [](int c) { return (c << 3) | (c >> 2); };
        return qRgb(etendre((v >> 10) & 31), etendre((v >> 5) & 31), etendre(v & 31));
    }
    case 24:
        return qRgb(ligne[3 * x + 2], ligne[3 * x + 1], ligne[3 * x]);
    default:
        return qRgba(ligne[4 * x + 2], ligne[4 * x + 1], ligne[4 * x], ligne[4 * x + 3]);
    }
}

QImage decoderDib(Octets e, const Dib &d) {
    QImage image(d.largeur, d.hauteur, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    // Palette indexes past the palette's end draw black.
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    for (quint32 i = 0; i < d.couleursPalette; ++i) {
        const quint64 p = d.debutPalette + 4 * quint64(i);
        palette[i] = qRgb(e.u8(p + 2), e.u8(p + 1), e.u8(p));
    }
    // lireDib has checked that the colour rows, and the mask rows when present, lie in e.
    const auto *octets = reinterpret_cast<const uchar *>(e.vue().data());
    bool alpha = false;
    for (int y = 0; y < d.hauteur; ++y) {
        const uchar *ligne = octets + d.debutCouleurs + d.pasCouleurs * quint64(d.hauteur - 1 - y);
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < d.largeur; ++x) {
            sortie[x] = pixelDib(d, ligne, x, palette);
            alpha = alpha || qAlpha(sortie[x]) != 0;
        }
    }
    // A 32-bit entry whose alpha bytes are all 0 predates alpha channels: its mask decides.
    if (d.profondeur != 32 || !alpha) {
        for (int y = 0; y < d.hauteur; ++y) {
            auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
            const uchar *masque =
                d.masque ? octets + d.debutMasque + d.pasMasque * quint64(d.hauteur - 1 - y)
                         : nullptr;
            for (int x = 0; x < d.largeur; ++x) {
                const bool transparent = masque && ((masque[x >> 3] >> (7 - (x & 7))) & 1);
                sortie[x] = transparent ? 0 : (sortie[x] | 0xff000000u);
            }
        }
    }
    nettoyerTransparence(image);
    return image;
}

std::optional<ApercuEntree> apercuPng(Octets e) {
    // Signature, then the IHDR chunk: length, type, 13 bytes of data, CRC.
    if (!e.contient(0, 33) || u32GrosBout(e, 8) != 13 || e.tranche(12, 4).vue() != "IHDR")
        return {};
    const quint32 largeur = u32GrosBout(e, 16);
    const quint32 hauteur = u32GrosBout(e, 20);
    if (largeur < 1 || hauteur < 1 || largeur > coteMaximal || hauteur > coteMaximal)
        return {};
    const int bits = e.u8(24);
    int canaux = 0;
    switch (e.u8(25)) {
    case 0: // grey
    case 3: // palette
        canaux = 1;
        break;
    case 2: // RGB
        canaux = 3;
        break;
    case 4: // grey and alpha
        canaux = 2;
        break;
    case 6: // RGBA
        canaux = 4;
        break;
    default:
        return {};
    }
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
        return {};
    return ApercuEntree{int(largeur), int(hauteur), qMin(bits * canaux, 32), true};
}

QImage decoderPng(Octets e, const ApercuEntree &apercu) {
    QImage image;
    if (!image.loadFromData(e.vue(), "PNG"))
        return {};
    if (image.size() != QSize(apercu.largeur, apercu.hauteur))
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    nettoyerTransparence(image);
    return image;
}

} // namespace

std::optional<ApercuEntree> apercuEntree(Octets entree) {
    if (entree.commencePar(signaturePng))
        return apercuPng(entree);
    const std::optional<Dib> d = lireDib(entree);
    if (!d)
        return {};
    return ApercuEntree{d->largeur, d->hauteur, d->profondeur, false};
}

QImage decoderEntree(Octets entree) {
    if (entree.commencePar(signaturePng)) {
        const std::optional<ApercuEntree> apercu = apercuPng(entree);
        return apercu ? decoderPng(entree, *apercu) : QImage();
    }
    const std::optional<Dib> d = lireDib(entree);
    return d ? decoderDib(entree, *d) : QImage();
}

void nettoyerTransparence(QImage &image) {
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(ligne[x]) == 0)
                ligne[x] = 0;
    }
}

} // namespace platform::icones
