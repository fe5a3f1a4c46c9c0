#include "AideIcones.h"
#include "platform/FichierDisque.h"
#include "platform/iconExport.h"
#include "platform/icones/Choix.h"
#include "platform/icones/Entree.h"
#include "platform/icons.h"

#include <QBuffer>
#include <QDir>
#include <QIcon>
#include <QPainter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>
#include <memory>
#include <sys/stat.h>

// Sources told apart by content, never by name; the libraries come from tests/data/icons/make.sh.

using namespace platform::icones;
using namespace Qt::StringLiterals;

namespace {

template <typename T>
QByteArray le(T v) {
    QByteArray o(sizeof(T), '\0');
    qToLittleEndian(v, o.data());
    return o;
}
const auto u16 = le<quint16>;
const auto u32 = le<quint32>;

// An icon's bitmap: header, then palette, colour rows and mask rows as given (bottom row first).
QByteArray dib(qint32 largeur, qint32 hauteur, quint16 profondeur, const QByteArray &corps,
               quint32 utilisees = 0, quint32 compression = 0) {
    return u32(40) + u32(quint32(largeur)) + u32(quint32(2 * hauteur)) + u16(1) + u16(profondeur) +
           u32(compression) + u32(0) + u32(0) + u32(0) + u32(utilisees) + u32(0) + corps;
}

QByteArray enregistree(const QImage &image, const char *format) {
    QByteArray octets;
    QBuffer tampon(&octets);
    image.save(&tampon, format); // which opens it
    return octets;
}

QImage unie(QSize taille, QRgb couleur) {
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(couleur);
    return image;
}

bool memeImage(const QImage &a, const QImage &b, int tolerance) {
    if (a.isNull() || b.isNull() || a.size() != b.size() || a.format() != b.format())
        return a.isNull() && b.isNull();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!proches(a.pixel(x, y), b.pixel(x, y), tolerance))
                return false;
    return true;
}

const struct {
    const char *nom;
    std::function<bool(const QImage &, const QString &, QString *)> sauver;
    qint64 taille;     // of the whole file
    QByteArray entete; // the file's first fields: its sizes and reserved fields among them
} formats[] = {
    {"bmp", saveIconAsBmp, 14 + 124 + 32 * 32 * 4,
     "BM" + u32(14 + 124 + 32 * 32 * 4) + u32(0) + u32(14 + 124) + u32(124)},
    {"ico", saveIconAsIco, 6 + 16 + 40 + 32 * 32 * 4 + 32 * 4,
     u16(0) + u16(1) + u16(1) + QByteArray("\x20\x20\0\0", 4) + u16(1) + u16(32) +
         u32(40 + 32 * 32 * 4 + 32 * 4) + u32(6 + 16) + u32(40)},
};

const QRgb rouge = 0xFFFF0000;
const QRgb bleu = 0xFF0000FF;
const QRgb noir = 0xFF000000;

// Where the resources of groupes64.dll lie, found by walking it: what the damaged copies need.
struct PlanPE {
    QByteArray octets;
    quint32 racine = 0;   // file position of the resource directory
    quint32 decalage = 0; // its address in memory less its file position

    explicit PlanPE(const QByteArray &o) : octets(o) {
        const quint32 table = pe() + 24 + lu16(pe() + 20);
        for (quint32 s = table; s < table + 40 * lu16(pe() + 6); s += 40)
            if (octets.mid(s, 8).startsWith(".rsrc")) {
                racine = lu32(s + 20);
                decalage = lu32(s + 12) - racine;
            }
    }
    quint32 lu16(quint32 p) const { return qFromLittleEndian<quint16>(octets.constData() + p); }
    quint32 lu32(quint32 p) const { return qFromLittleEndian<quint32>(octets.constData() + p); }
    void ecrire(quint32 p, const QByteArray &v) { octets.replace(p, v.size(), v); }
    quint32 pe() const { return lu32(0x3C); }
    quint32 optionnel() const { return pe() + 24; }
    quint32 entree(quint32 repertoire, quint32 i) const { return repertoire + 16 + 8 * i; }
    quint32 sousRepertoire(quint32 repertoire, quint32 i) const {
        return racine + (lu32(entree(repertoire, i) + 4) & 0x7FFFFFFF);
    }
    quint32 groupes() const {
        for (quint32 i = 0; i < lu16(racine + 14); ++i)
            if (lu32(entree(racine, i)) == 14)
                return sousRepertoire(racine, i);
        return 0;
    }
    quint32 entreeGroupe(quint32 i) const {
        return racine + lu32(entree(sousRepertoire(groupes(), i), 0) + 4);
    }
    quint32 groupe(quint32 i) const { return lu32(entreeGroupe(i)) - decalage; }
};

using Alteration = std::function<void(PlanPE &)>;

// The groups of the libraries in the order of the resource directory: the named ones first
// (POMME, ZEBRE), then by number 1 to 9 and 40; exact: an entry of 32 x 32 drawn as it is.
const struct {
    QRgb a, b;
    bool demi, exact;
} groupes[] = {
    {0x30C030, 0xC03030, true, true},   // POMME
    {0x0A0B0C, 0xC0B0A0, true, true},   // ZEBRE
    {0x102030, 0xF0E0D0, false, true},  // 1: 1 bit
    {0x800000, 0x008000, false, true},  // 2: 4 bits
    {0x123456, 0x654321, false, true},  // 3: 8 bits
    {0xABCDEF, 0x010203, false, true},  // 4: 24 bits
    {0x20A040, 0x4020A0, true, true},   // 5: 32 bits
    {0xC00000, 0x00C000, true, true},   // 6: the 32-bit entry among five sizes and depths
    {0x0000C0, 0xC0C000, false, false}, // 7: 48 x 48 over 16 and 64
    {0x00FFFF, 0xFF00FF, false, false}, // 8: only 16 x 16, scaled up
    {0xFF8000, 0x0080FF, true, false},  // 9: the PNG of 256 x 256 over 16 x 16
    {0xFF0000, 0x0000FF, false, true},  // 40: 16 bits, 5 per channel
};
constexpr int nombreGroupes = int(std::size(groupes));

} // namespace

Q_DECLARE_METATYPE(Alteration)

class TestIcones : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // The desktop's theme lacks the test's icons, as it would most: the fallback must serve.
        QIcon::setThemeSearchPaths({donneesIcones(QStringLiteral("theme"))});
        QIcon::setThemeName(QStringLiteral("tressola-inexistant"));
        QIcon::setFallbackThemeName(QStringLiteral("tressola-essai"));
    }

    void decodage_data() {
        QTest::addColumn<QByteArray>("entree");
        QTest::addColumn<int>("largeur");        // 0: no picture
        QTest::addColumn<QList<QRgb>>("pixels"); // from the top left, row by row
        const auto ligne = [](const QString &nom, const QByteArray &entree, int largeur = 0,
                              const QList<QRgb> &pixels = {}) {
            QTest::newRow(qPrintable(nom)) << entree << largeur << pixels;
        };
        const QByteArray rougeBleu = u32(rouge) + u32(bleu);
        const QByteArray png = enregistree(unie(QSize(16, 16), rouge), "PNG");
        const QByteArray dib32 = dib(2, 1, 32, u32(0x80112233) + u32(0xFF445566) + u32(0xC0));
        ligne(u"8 bits, index hors de la palette en noir"_s,
              dib(2, 1, 8, rougeBleu + QByteArray("\x01\x05\0\0", 4) + u32(0), 2), 2, {bleu, noir});
        ligne(u"24 bits, rangées complétées à 4 octets"_s,
              dib(1, 2, 24, QByteArray("\x01\x02\x03\0\x04\x05\x06\0", 8) + u32(0) + u32(0)), 1,
              {0xFF060504, 0xFF030201});
        ligne(u"32 bits, l'alpha l'emporte sur le masque"_s, dib32, 2, {0x80112233, 0xFF445566});
        ligne(u"32 bits sans alpha, le masque décide"_s,
              dib(2, 1, 32, u32(0x00112233) + u32(0x00445566) + u32(0x40)), 2, {0xFF112233, 0});
        ligne(u"32 bits sans masque"_s, dib(2, 1, 32, u32(0x10112233) + u32(0x00445566)), 2,
              {0x10112233, 0});
        ligne(u"8 bits sans masque"_s, dib(2, 1, 8, rougeBleu + u32(0), 2));
        ligne(u"pixels tronqués"_s, dib(2, 2, 32, u32(0) + u32(0) + u32(0)));
        ligne(u"hauteur négative"_s, dib(2, -1, 32, u32(noir) + u32(noir) + u32(0)));
        ligne(u"palette de quatre milliards"_s, dib(2, 1, 8, QByteArray(16, 0), 0xFFFFFFFF));
        ligne(u"7 bits par pixel"_s, dib(1, 1, 7, QByteArray(64, 0)));
        ligne(u"compression RLE"_s, dib(1, 1, 8, QByteArray(1100, 0), 0, 1));
        ligne(u"en-tête de 12 octets"_s, QByteArray(dib32).replace(0, 4, u32(12)));
        ligne(u"en-tête plus long que l'entrée"_s, QByteArray(dib32).replace(0, 4, u32(53)));
        ligne(u"PNG de 65535 × 65535"_s,
              QByteArray(png).replace(16, 8, QByteArray("\0\0\xFF\xFF\0\0\xFF\xFF", 8)));
        ligne(u"PNG tronqué"_s, png.first(60));
        // Cut short anywhere: no picture, and no byte read past the end.
        for (int n = 0; n < 48; n += 7)
            ligne(u"coupée à %1 octets"_s.arg(n), dib32.first(n));
    }

    void decodage() {
        QFETCH(QByteArray, entree);
        QFETCH(int, largeur);
        QFETCH(QList<QRgb>, pixels);
        // In a block of its own size, so that a read past its end is seen.
        const auto exact = std::make_unique<char[]>(size_t(entree.size()));
        std::copy(entree.cbegin(), entree.cend(), exact.get());
        const QImage image = decoderEntree(Octets(QByteArrayView(exact.get(), entree.size())));
        QCOMPARE(image.width(), largeur);
        QVERIFY(image.isNull() || image.format() == QImage::Format_ARGB32);
        QList<QRgb> lus;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                lus.append(image.pixel(x, y));
        QCOMPARE(lus, pixels);
    }

    void choix_data() {
        using A = std::optional<ApercuEntree>;
        QTest::addColumn<QList<A>>("entrees");
        QTest::addColumn<int>("cote"); // device pixels of the glyph
        QTest::addColumn<int>("choisie");
        const auto e = [](int cote, int profondeur) {
            return A(ApercuEntree{cote, cote, profondeur, false});
        };
        QTest::newRow("à profondeur égale, la première") << QList<A>{e(32, 8), e(32, 8)} << 32 << 0;
        QTest::newRow("la taille exacte avant la couleur")
            << QList<A>{e(48, 32), e(32, 4), e(16, 32)} << 32 << 1;
        QTest::newRow("à taille égale, la plus profonde")
            << QList<A>{e(48, 8), e(48, 32)} << 32 << 1;
        QTest::newRow("sinon la plus grande des petites")
            << QList<A>{e(16, 32), e(24, 4)} << 32 << 1;
        QTest::newRow("une image illisible est passée") << QList<A>{A(), e(16, 4), A()} << 32 << 1;
        QTest::newRow("aucune") << QList<A>{A(), A()} << 32 << -1;
        QTest::newRow("pas carrée: plus petite d'un côté")
            << QList<A>{A(ApercuEntree{32, 16, 32, false}), e(48, 4)} << 32 << 1;
        // Twice as many device pixels; an exact 64 is the glyph test's at 2x (tests/barre).
        QTest::newRow("2x: la plus petite des grandes, la plus profonde")
            << QList<A>{e(32, 32), e(256, 32), e(128, 8), e(128, 32)} << 64 << 3;
    }

    void choix() {
        QFETCH(QList<std::optional<ApercuEntree>>, entrees);
        QFETCH(int, cote);
        QFETCH(int, choisie);
        QCOMPARE(meilleureEntree(entrees, cote), choisie);
    }

    void source_data() {
        QTest::addColumn<QString>("nom");
        // In desktop entries, "%" stands for the test's folder.
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QImage>("attendue"); // null: no icon; within 3 levels, as scaling rounds
        QTest::addColumn<bool>("parPath");    // asked for by its bare name, found through PATH
        const QImage theme = motif(0x4080C0, 0xC08040, true);
        const QImage monochrome = motif(0x102030, 0xF0E0D0, false);
        QImage moitie = unie(QSize(64, 64), rouge);
        QPainter(&moitie).fillRect(32, 0, 32, 64, QColor(0, 0, 255));
        const QImage alpha = motif(0x102030, 0x405060, true);
        QImage bandeau = unie(QSize(32, 32), 0);
        QPainter(&bandeau).fillRect(0, 12, 32, 8, QColor(255, 0, 0));
        const QByteArray ico1 = lireTout(donneesIcones(QStringLiteral("monochrome.ico")));
        const auto modifie = [&](int position, const QByteArray &octets) {
            return QByteArray(ico1).replace(position, octets.size(), octets);
        };
        const QByteArray elf("\x7f"
                             "ELF\2\1\1\0\0\0\0\0\0\0\0\0",
                             16);
        const auto ajoute = [](const char *ligne, const char *nom, const QByteArray &contenu,
                               const QImage &attendue, bool executable = false,
                               bool parPath = false) {
            QTest::newRow(ligne) << QString::fromUtf8(nom) << contenu << executable << attendue
                                 << parPath;
        };
        ajoute("icône d'une image", "a.ico", ico1, monochrome);
        ajoute("icône: deux entrées annoncées sur cinq", "a.ico",
               lireTout(donneesIcones(u"plusieurs-tailles.ico"_s)).replace(4, 2, u16(2)),
               motif(0x333333, 0x444444, false));
        ajoute("icône: curseur", "a.ico", modifie(2, u16(2)), {});
        ajoute("icône: 65535 entrées, une présente", "a.ico", modifie(4, u16(0xFFFF)), {});
        ajoute("icône: tronquée", "a.ico", ico1.first(ico1.size() - 1), {});
        ajoute("PNG nommé .bmp", "a.bmp", enregistree(alpha, "PNG"), alpha);
        ajoute("PNG pas carré", "a.png", enregistree(unie(QSize(64, 16), rouge), "PNG"), bandeau);
        for (const char *svg : {"moitie.svg", "moitie.svgz"})
            ajoute(svg, svg, lireTout(donneesIcones(QString::fromUtf8(svg))),
                   moitie.scaled(32, 32));
        ajoute("BMP de 65535 × 65535", "a.bmp",
               "BM" + u32(0) + u32(0) + u32(54) + u32(40) + u32(65535) + u32(65535) + u16(1) +
                   u16(32) + QByteArray(24, '\0'),
               {});
        ajoute("JPEG", "a.jpg", enregistree(alpha, "JPEG"), {});
        ajoute("vide", "a.ico", {}, {});
        // Asking a named pipe must not wait for a writer.
        ajoute("tube nommé", "tube.ico", "(tube)", {});
        ajoute("programme nommé sans répertoire", "tressola-essai", elf, theme, true, true);
        ajoute("programme non exécutable", "tressola-essai", elf, {});
        ajoute("programme que le thème ignore", "tressola-inconnu", elf, {}, true);
        ajoute("entrée: nom du thème", "a.desktop",
               "[Desktop Entry]\nType=Application\nIcon = tressola-essai \n", theme);
        ajoute("entrée: nom du thème avec extension", "a.desktop",
               "[Desktop Entry]\nIcon=tressola-essai.png\n", theme);
        // "\\" is one backslash; one at the very end stays as it is.
        ajoute("entrée: chemin avec échappements", "a.DESKTOP",
               "[Desktop Entry]\nIcon=%avec\\sespace\\\\\\\n", monochrome);
        ajoute("entrée: une autre entrée", "a.desktop", "[Desktop Entry]\nIcon=%b.desktop\n", {});
        ajoute("entrée: Icon dans un autre groupe", "a.desktop",
               "[Desktop Action x]\nIcon=tressola-essai\n[Desktop Entry]\nName=a\n", {});
        ajoute("entrée: Icon traduit seulement", "a.desktop",
               "[Desktop Entry]\nIcon[fr]=tressola-essai\n#Icon=tressola-essai\n", {});
        ajoute("entrée: chemin relatif", "a.desktop", "[Desktop Entry]\nIcon=apps/tressola-essai\n",
               {});
    }

    void source() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(bool, executable);
        QFETCH(QImage, attendue);
        QFETCH(bool, parPath);
        QTemporaryDir dossier;
        const QByteArray path = qgetenv("PATH");
        const auto retablir = qScopeGuard([&] { qputenv("PATH", path); });
        if (parPath)
            qputenv("PATH", QFile::encodeName(dossier.path()) + ':' + path);
        const QString chemin = parPath ? nom : dossier.filePath(nom);
        // A second entry that the first may name, naming the first in turn.
        QVERIFY(ecrireTout(dossier.filePath(QStringLiteral("b.desktop")),
                           "[Desktop Entry]\nIcon=" + chemin.toUtf8() + "\n"));
        QVERIFY(QFile::copy(donneesIcones(QStringLiteral("monochrome.ico")),
                            dossier.filePath(QStringLiteral("avec espace\\\\"))));
        if (nom.endsWith(u".desktop", Qt::CaseInsensitive))
            contenu.replace('%', QFile::encodeName(dossier.path() + u'/'));
        if (contenu == "(tube)")
            QCOMPARE(::mkfifo(QFile::encodeName(dossier.filePath(nom)).constData(), 0600), 0);
        else
            QVERIFY(ecrireTout(dossier.filePath(nom), contenu));
        QFile::setPermissions(dossier.filePath(nom),
                              QFile::ReadOwner | QFile::WriteOwner |
                                  (executable ? QFile::ExeOwner : QFile::Permissions()));
        QCOMPARE(iconCount(chemin), attendue.isNull() ? 0 : 1);
        QVERIFY2(memeImage(iconImage(chemin, 0), attendue, 3), "not the expected picture");
        QVERIFY(iconImage(chemin, 1).isNull());
    }

    void groupe_data() {
        QTest::addColumn<int>("index");
        for (int i = -1; i <= nombreGroupes; ++i)
            QTest::addRow("%d", i) << i;
    }

    // The same icons from the 32-bit and the 64-bit library; none out of range. A scaled icon
    // shows the pattern well inside each of its areas, as smooth scaling blends only across edges.
    void groupe() {
        QFETCH(int, index);
        for (const QString &dll : {u"groupes64.dll"_s, u"groupes32.dll"_s}) {
            QCOMPARE(iconCount(donneesIcones(dll)), nombreGroupes);
            const QImage icone = iconImage(donneesIcones(dll), index);
            if (index < 0 || index >= nombreGroupes) {
                QVERIFY(icone.isNull());
                continue;
            }
            const auto &g = groupes[index];
            const QImage attendu = motif(g.a, g.b, g.demi);
            if (g.exact)
                QCOMPARE(icone, attendu);
            QCOMPARE(icone.size(), QSize(32, 32));
            QCOMPARE(icone.format(), QImage::Format_ARGB32);
            for (const QPoint p : {QPoint(2, 2), QPoint(4, 14), QPoint(10, 20), QPoint(24, 12),
                                   QPoint(28, 4), QPoint(24, 28)})
                QVERIFY2(proches(icone.pixel(p), attendu.pixel(p), 3), qPrintable(dll));
        }
    }

    void abime_data() {
        QTest::addColumn<Alteration>("alteration");
        QTest::addColumn<int>("nombre");   // count of icons
        QTest::addColumn<bool>("intacte"); // whether the first icon stays as it was, else none
        const int n = nombreGroupes;
        const auto ligne = [](const char *nom, int nombre, bool intacte, Alteration a) {
            QTest::newRow(nom) << a << nombre << intacte;
        };
        // One row for each check of the library's structures that the reader makes.
        ligne("signature MZ effacée", 0, false, [](PlanPE &p) { p.ecrire(0, u16(0)); });
        ligne("signature PE effacée", 0, false, [](PlanPE &p) { p.ecrire(p.pe(), u32(0)); });
        ligne("en-tête optionnel inconnu", 0, false,
              [](PlanPE &p) { p.ecrire(p.optionnel(), u16(0x999)); });
        ligne("pas de table des ressources", 0, false,
              [](PlanPE &p) { p.ecrire(p.optionnel() + 108, u32(2)); });
        ligne("en-tête optionnel plus long que le fichier", 0, false,
              [](PlanPE &p) { p.ecrire(p.pe() + 20, u16(0xFFFF)); });
        ligne("ressources hors des sections", 0, false,
              [](PlanPE &p) { p.ecrire(p.optionnel() + 112 + 16, u32(0x7FFFFFF0)); });
        ligne("65535 sections annoncées", n, true,
              [](PlanPE &p) { p.ecrire(p.pe() + 6, u16(0xFFFF)); });
        ligne("racine de 131070 entrées", 0, false,
              [](PlanPE &p) { p.ecrire(p.racine + 12, u32(0xFFFFFFFF)); });
        ligne("langues qui se contiennent", n, false, [](PlanPE &p) {
            const quint32 langues = p.sousRepertoire(p.groupes(), 0);
            p.ecrire(p.entree(langues, 0) + 4, u32(0x80000000 | (langues - p.racine)));
        });
        ligne("groupe sans répertoire des langues", n, false, [](PlanPE &p) {
            const quint32 cible = p.entree(p.groupes(), 0) + 4;
            p.ecrire(cible, u32(p.lu32(cible) & 0x7FFFFFFF));
        });
        ligne("groupe de quatre milliards d'octets", n, false,
              [](PlanPE &p) { p.ecrire(p.entreeGroupe(0) + 4, u32(~0u)); });
        ligne("groupe qui annonce 65535 images", n, true,
              [](PlanPE &p) { p.ecrire(p.groupe(0) + 4, u16(0xFFFF)); });
        ligne("groupe d'un autre type", n, false,
              [](PlanPE &p) { p.ecrire(p.groupe(0) + 2, u16(2)); });
        ligne("image introuvable", n, false,
              [](PlanPE &p) { p.ecrire(p.groupe(0) + 6 + 12, u16(999)); });
        // Cut short anywhere: fewer icons or none, never a crash.
        const qsizetype longueur = lireTout(donneesIcones(u"groupes64.dll"_s)).size();
        for (qsizetype garde = 0; garde < longueur; garde += 509)
            QTest::addRow("coupée à %lld octets", qint64(garde))
                << Alteration([garde](PlanPE &p) { p.octets.truncate(garde); }) << -1 << false;
    }

    void abime() {
        QFETCH(Alteration, alteration);
        QFETCH(int, nombre);
        QFETCH(bool, intacte);
        const QString original = donneesIcones(u"groupes64.dll"_s);
        PlanPE plan(lireTout(original));
        QVERIFY(plan.racine != 0);
        alteration(plan);
        QTemporaryDir dossier;
        const QString copie = dossier.filePath(u"copie.dll"_s);
        QVERIFY(ecrireTout(copie, plan.octets));
        const int compte = iconCount(copie);
        if (nombre >= 0) {
            QCOMPARE(compte, nombre);
            QCOMPARE(iconImage(copie, 0), intacte ? iconImage(original, 0) : QImage());
        } else {
            QVERIFY(compte == 0 || compte == nombreGroupes);
        }
        for (int i = 0; i < qMin(compte, 64); ++i) // each a proper icon or none
            QVERIFY(iconImage(copie, i).isNull() || iconImage(copie, i).size() == QSize(32, 32));
    }

    // A file read before and changed since gives its new icons, however it was changed.
    void fichierQuiChange() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u"a.ico"_s);
        const QString autre = dossier.filePath(u"b.ico"_s);
        const QImage rouge32 = unie(QSize(32, 32), rouge);
        QVERIFY(saveIconAsIco(rouge32, chemin) && saveIconAsIco(unie(QSize(32, 32), bleu), autre));
        QCOMPARE(iconImage(chemin, 0), rouge32);
        // Rewritten in place, same size, within the same tick of the file's clock.
        QFile surPlace(chemin);
        QVERIFY(surPlace.open(QIODevice::ReadWrite) && surPlace.write(lireTout(autre)) > 0);
        surPlace.close();
        QCOMPARE(iconImage(chemin, 0), unie(QSize(32, 32), bleu));
        QVERIFY(saveIconAsIco(rouge32, chemin));
        QCOMPARE(iconImage(chemin, 0), rouge32);
        QVERIFY(QFile::resize(chemin, 100));
        QCOMPARE(iconCount(chemin), 0);
        QVERIFY(QFile::remove(chemin));
        QCOMPARE(iconCount(chemin) + iconCount(QString()), 0);
    }

    // A file's stamp tells it from itself changed in any one way; the lock beside a file is held
    // by one at a time, given up after the wait, and refused where it cannot be made.
    void empreinteEtVerrou() {
        using platform::EmpreinteFichier;
        const EmpreinteFichier e{1, 2, 3, 4, 5, false};
        QVERIFY(e == EmpreinteFichier(e));
        for (const EmpreinteFichier &autre : {EmpreinteFichier{9, 2, 3, 4, 5, false},
                                              {1, 9, 3, 4, 5, false},
                                              {1, 2, 9, 4, 5, false},
                                              {1, 2, 3, 9, 5, false},
                                              {1, 2, 3, 4, 9, false}})
            QVERIFY(!(autre == e));

        QTemporaryDir dossier;
        const QString nom = dossier.filePath(u"a.lock"_s);
        auto premier = std::make_unique<platform::VerrouFichier>(nom);
        platform::VerrouFichier second(nom);
        QVERIFY(premier->prendre(0));
        QVERIFY(!second.prendre(30));
        premier.reset();
        QVERIFY(second.prendre(0));
        QVERIFY(!platform::VerrouFichier(dossier.filePath(u"absent/a.lock"_s)).prendre(0));
        // The shortest file there is, written whole.
        QVERIFY(platform::remplacerFichier(dossier.filePath(u"a"_s), "x"));
        QCOMPARE(lireTout(dossier.filePath(u"a"_s)), "x");
    }

    void sauvegarde_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("echec"); // none: saved over the larger file "icone"
        for (int f = 0; f < 2; ++f)
            for (const QString &echec : {QString(), u"sur un dossier"_s, u"sans icône"_s})
                QTest::addRow("%s %s", formats[f].nom, qPrintable(echec)) << f << echec;
    }

    // A failed save tells why, even with no place for the reason, and leaves what was there. The
    // picture saved is read back by the export test (tests/dialogs).
    void sauvegarde() {
        QFETCH(int, format);
        QFETCH(QString, echec);
        const bool reussit = echec.isEmpty();
        const QString cible = echec == u"sur un dossier" ? u"dossier"_s : u"icone"_s;
        const auto &f = formats[format];
        const QImage icone =
            echec == u"sans icône" ? QImage() : iconImage(donneesIcones(u"groupes64.dll"_s), 0);
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(u"dossier"_s));
        const QString ancien = dossier.filePath(u"icone"_s);
        QVERIFY(ecrireTout(ancien, QByteArray(100000, 'x')));
        QString erreur;
        QCOMPARE(f.sauver(icone, dossier.filePath(cible), &erreur), reussit);
        QCOMPARE(erreur.isEmpty(), reussit);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{u"icone"_s});
        if (!reussit) {
            QCOMPARE(QFileInfo(ancien).size(), 100000);
            QVERIFY(!f.sauver(icone, dossier.filePath(cible), nullptr));
            return;
        }
        QCOMPARE(QFileInfo(ancien).size(), f.taille);
        QCOMPARE(lireTout(ancien).first(f.entete.size()), f.entete);
    }
};

QTEST_MAIN(TestIcones)
#include "tst_icones.moc"
