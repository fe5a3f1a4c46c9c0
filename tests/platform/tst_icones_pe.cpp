#include "AideIcones.h"
#include "platform/icons.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// The icons of Windows libraries built by tests/data/icons/make.sh. Their groups, in the order of
// the resource directory: the named ones first (POMME, ZEBRE), then by number 1 to 9 and 40.

namespace {

// Where the structures of groupes64.dll lie, found by walking it: what the damaged copies need.
struct PlanPE {
    QByteArray octets;
    quint32 racine = 0;
    quint32 adresseRessources = 0;
    quint32 positionRessources = 0;

    explicit PlanPE(const QByteArray &o) : octets(o) {
        const quint32 coff = pe() + 4;
        const quint32 table = coff + 20 + u16(coff + 16);
        for (quint32 s = 0; s < u16(coff + 2); ++s) {
            const quint32 section = table + 40 * s;
            if (octets.mid(section, 8).startsWith(".rsrc")) {
                adresseRessources = u32(section + 12);
                positionRessources = u32(section + 20);
                racine = positionRessources;
            }
        }
    }
    quint32 u16(quint32 p) const { return quint8(octets[p]) | quint8(octets[p + 1]) << 8; }
    quint32 u32(quint32 p) const { return u16(p) | u16(p + 2) << 16; }
    void ecrire16(quint32 p, quint32 v) {
        octets[p] = char(v);
        octets[p + 1] = char(v >> 8);
    }
    void ecrire32(quint32 p, quint32 v) {
        ecrire16(p, v);
        ecrire16(p + 2, v >> 16);
    }
    quint32 pe() const { return u32(0x3C); }
    quint32 optionnel() const { return pe() + 24; }
    quint32 entree(quint32 repertoire, quint32 i) const { return repertoire + 16 + 8 * i; }
    quint32 sousRepertoire(quint32 repertoire, quint32 i) const {
        return racine + (u32(entree(repertoire, i) + 4) & 0x7FFFFFFF);
    }
    quint32 type(quint32 numero) const {
        for (quint32 i = 0; i < u16(racine + 14); ++i)
            if (u32(entree(racine, i)) == numero)
                return sousRepertoire(racine, i);
        return 0;
    }
    // The data entry (address, size) of resource i of a type, first language.
    quint32 entreeDonnees(quint32 type, quint32 i) const {
        return racine + u32(entree(sousRepertoire(type, i), 0) + 4);
    }
    quint32 donnees(quint32 type, quint32 i) const {
        return u32(entreeDonnees(type, i)) - adresseRessources + positionRessources;
    }
    quint32 groupe(quint32 index) const { return donnees(type(14), index); }
    // The bitmap (or PNG) of entry e of group index.
    quint32 image(quint32 index, quint32 e) const {
        const quint32 numero = u16(groupe(index) + 6 + 14 * e + 12);
        const quint32 icones = type(3);
        for (quint32 i = 0; i < u16(icones + 12) + u16(icones + 14); ++i)
            if (u32(entree(icones, i)) == numero)
                return donnees(icones, i);
        return 0;
    }
};

using Alteration = std::function<void(PlanPE &)>;

struct Groupe {
    QRgb a;
    QRgb b;
    bool demi;
    bool exact; // an entry of 32 x 32 that is drawn as it is
};

const Groupe groupes[] = {
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

QString ecrireCopie(const QTemporaryDir &dossier, const QByteArray &octets) {
    const QString chemin = dossier.filePath(QStringLiteral("copie.dll"));
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        return {};
    return chemin;
}

QByteArray lireTout(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Alteration)

class TestIconesPE : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nombre_data();
    void nombre();
    void groupe_data();
    void groupe();
    void memesIconesEn32Et64Bits();
    void commeWrestool_data();
    void commeWrestool();
    void abime_data();
    void abime();
    void tronque();
};

void TestIconesPE::nombre_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("nombre");
    QTest::newRow("PE32+") << donneesIcones(QStringLiteral("groupes64.dll")) << nombreGroupes;
    QTest::newRow("PE32") << donneesIcones(QStringLiteral("groupes32.dll")) << nombreGroupes;
    QTest::newRow("sans icône") << donneesIcones(QStringLiteral("sans-icone.dll")) << 0;
    QTest::newRow("absent") << donneesIcones(QStringLiteral("absent.dll")) << 0;
}

void TestIconesPE::nombre() {
    QFETCH(QString, fichier);
    QFETCH(int, nombre);
    QCOMPARE(iconCount(fichier), nombre);
    QVERIFY(iconImage(fichier, nombre).isNull());
    QVERIFY(iconImage(fichier, -1).isNull());
}

void TestIconesPE::groupe_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < nombreGroupes; ++i)
        QTest::addRow("%d", i) << i;
}

void TestIconesPE::groupe() {
    QFETCH(int, index);
    const Groupe &g = groupes[index];
    const QImage icone = iconImage(donneesIcones(QStringLiteral("groupes64.dll")), index);
    if (g.exact)
        QCOMPARE(icone, motif(g.a, g.b, g.demi));
    else
        QVERIFY(montreMotif(icone, g.a, g.b, g.demi));
}

void TestIconesPE::memesIconesEn32Et64Bits() {
    for (int i = 0; i < nombreGroupes; ++i)
        QCOMPARE(iconImage(donneesIcones(QStringLiteral("groupes32.dll")), i),
                 iconImage(donneesIcones(QStringLiteral("groupes64.dll")), i));
}

void TestIconesPE::commeWrestool_data() {
    QTest::addColumn<QString>("fichier");
    for (const char *nom : {"groupes64.dll", "groupes32.dll", "sans-icone.dll"})
        QTest::newRow(nom) << donneesIcones(QString::fromLatin1(nom));
}

// icoutils lists the groups in the order of the resource directory, and rebuilds each as an
// icon file: the library's icon i must be the icon of the i-th group it lists.
void TestIconesPE::commeWrestool() {
    QFETCH(QString, fichier);
    const QString wrestool = QStandardPaths::findExecutable(QStringLiteral("wrestool"));
    if (wrestool.isEmpty())
        QSKIP("wrestool (icoutils) is not installed");
    QProcess liste;
    liste.start(wrestool, {QStringLiteral("-l"), QStringLiteral("--type=14"), fichier});
    QVERIFY(liste.waitForFinished());
    QStringList noms;
    const QRegularExpression nom(QStringLiteral("--name='?([^' ]+)'?"));
    for (const QString &ligne : QString::fromUtf8(liste.readAllStandardOutput()).split(u'\n'))
        if (const auto m = nom.match(ligne); m.hasMatch() && !noms.contains(m.captured(1)))
            noms.append(m.captured(1));
    QCOMPARE(iconCount(fichier), noms.size());

    QTemporaryDir dossier;
    for (int i = 0; i < noms.size(); ++i) {
        const QString ico = dossier.filePath(QStringLiteral("%1.ico").arg(i));
        QProcess extraction;
        extraction.start(wrestool, {QStringLiteral("-x"), QStringLiteral("--type=14"),
                                    QStringLiteral("--name=") + noms[i],
                                    QStringLiteral("--output=") + ico, fichier});
        QVERIFY(extraction.waitForFinished());
        QVERIFY2(!iconImage(ico, 0).isNull(), qPrintable(noms[i]));
        QCOMPARE(iconImage(fichier, i), iconImage(ico, 0));
    }
}

void TestIconesPE::abime_data() {
    QTest::addColumn<Alteration>("alteration");
    QTest::addColumn<int>("nombre");     // count of icons; -1: any
    QTest::addColumn<int>("index");      // the icon that changes
    QTest::addColumn<bool>("sansIcone"); // whether it becomes no icon, or stays as it was

    QTest::newRow("en-tête PE hors du fichier")
        << Alteration([](PlanPE &p) { p.ecrire32(0x3C, 0xFFFFFFF0); }) << 0 << 0 << true;
    QTest::newRow("signature PE effacée")
        << Alteration([](PlanPE &p) { p.ecrire32(p.pe(), 0); }) << 0 << 0 << true;
    QTest::newRow("en-tête optionnel inconnu")
        << Alteration([](PlanPE &p) { p.ecrire16(p.optionnel(), 0x999); }) << 0 << 0 << true;
    QTest::newRow("pas de table des ressources")
        << Alteration([](PlanPE &p) { p.ecrire32(p.optionnel() + 108, 2); }) << 0 << 0 << true;
    QTest::newRow("quatre milliards de tables")
        << Alteration([](PlanPE &p) { p.ecrire32(p.optionnel() + 108, 0xFFFFFFFF); })
        << nombreGroupes << 0 << false;
    QTest::newRow("en-tête optionnel plus long que le fichier")
        << Alteration([](PlanPE &p) { p.ecrire16(p.pe() + 20, 0xFFFF); }) << 0 << 0 << true;
    QTest::newRow("ressources hors des sections")
        << Alteration([](PlanPE &p) { p.ecrire32(p.optionnel() + 112 + 16, 0x7FFFFFF0); }) << 0 << 0
        << true;
    QTest::newRow("65535 sections annoncées")
        << Alteration([](PlanPE &p) { p.ecrire16(p.pe() + 6, 0xFFFF); }) << -1 << 0 << false;
    QTest::newRow("section des ressources hors du fichier") << Alteration([](PlanPE &p) {
        p.ecrire32(p.pe() + 24 + p.u16(p.pe() + 20) + 40 * 6 + 20, 0x7FFFFFF0);
    }) << -1 << 0 << true;
    QTest::newRow("racine de 131070 entrées")
        << Alteration([](PlanPE &p) { p.ecrire32(p.racine + 12, 0xFFFFFFFF); }) << 0 << 0 << true;
    QTest::newRow("groupes ramenés à la racine")
        << Alteration([](PlanPE &p) { p.ecrire32(p.entree(p.racine, 1) + 4, 0x80000000); }) << 2
        << 0 << true;
    QTest::newRow("langues qui se contiennent") << Alteration([](PlanPE &p) {
        const quint32 langues = p.sousRepertoire(p.type(14), 0);
        p.ecrire32(p.entree(langues, 0) + 4, 0x80000000 | (langues - p.racine));
    }) << nombreGroupes << 0 << true;
    QTest::newRow("groupe de quatre milliards d'octets")
        << Alteration([](PlanPE &p) { p.ecrire32(p.entreeDonnees(p.type(14), 0) + 4, ~0u); })
        << nombreGroupes << 0 << true;
    QTest::newRow("groupe hors du fichier")
        << Alteration([](PlanPE &p) { p.ecrire32(p.entreeDonnees(p.type(14), 0), 0x7FFFFFF0); })
        << nombreGroupes << 0 << true;
    QTest::newRow("groupe qui annonce 65535 images")
        << Alteration([](PlanPE &p) { p.ecrire16(p.groupe(0) + 4, 0xFFFF); }) << nombreGroupes << 0
        << false;
    QTest::newRow("groupe d'un autre type")
        << Alteration([](PlanPE &p) { p.ecrire16(p.groupe(0) + 2, 2); }) << nombreGroupes << 0
        << true;
    QTest::newRow("image introuvable")
        << Alteration([](PlanPE &p) { p.ecrire16(p.groupe(0) + 6 + 12, 999); }) << nombreGroupes
        << 0 << true;
    QTest::newRow("image de 65535 × 65535") << Alteration([](PlanPE &p) {
        p.ecrire32(p.image(0, 0) + 4, 65535);
        p.ecrire32(p.image(0, 0) + 8, 2 * 65535);
    }) << nombreGroupes << 0 << true;
    QTest::newRow("image de hauteur négative")
        << Alteration([](PlanPE &p) { p.ecrire32(p.image(0, 0) + 8, quint32(-64)); })
        << nombreGroupes << 0 << true;
    QTest::newRow("palette de quatre milliards de couleurs")
        << Alteration([](PlanPE &p) { p.ecrire32(p.image(2, 0) + 32, 0xFFFFFFFF); })
        << nombreGroupes << 2 << true;
    QTest::newRow("7 bits par pixel")
        << Alteration([](PlanPE &p) { p.ecrire16(p.image(3, 0) + 14, 7); }) << nombreGroupes << 3
        << true;
    QTest::newRow("image compressée")
        << Alteration([](PlanPE &p) { p.ecrire32(p.image(4, 0) + 16, 1); }) << nombreGroupes << 4
        << true;
    QTest::newRow("en-tête de bitmap plus long que l'image")
        << Alteration([](PlanPE &p) { p.ecrire32(p.image(0, 0), 0x7FFFFFFF); }) << nombreGroupes
        << 0 << true;
}

void TestIconesPE::abime() {
    QFETCH(Alteration, alteration);
    QFETCH(int, nombre);
    QFETCH(int, index);
    QFETCH(bool, sansIcone);
    const QString original = donneesIcones(QStringLiteral("groupes64.dll"));
    PlanPE plan(lireTout(original));
    QVERIFY(plan.racine != 0);
    alteration(plan);
    QTemporaryDir dossier;
    const QString copie = ecrireCopie(dossier, plan.octets);

    const int compte = iconCount(copie);
    if (nombre >= 0)
        QCOMPARE(compte, nombre);
    QCOMPARE(iconImage(copie, index).isNull(), sansIcone);
    if (!sansIcone)
        QCOMPARE(iconImage(copie, index), iconImage(original, index));
    // Whatever else the damage did, every icon is a proper icon or none.
    for (int i = 0; i < qMin(compte, 64); ++i) {
        const QImage icone = iconImage(copie, i);
        QVERIFY(icone.isNull() || icone.size() == QSize(32, 32));
    }
}

// A library cut short anywhere gives fewer icons or none, never a crash.
void TestIconesPE::tronque() {
    const QString original = donneesIcones(QStringLiteral("groupes64.dll"));
    const QByteArray octets = lireTout(original);
    QTemporaryDir dossier;
    for (qsizetype longueur = 0; longueur < octets.size(); longueur += 509) {
        const QString copie = ecrireCopie(dossier, octets.first(longueur));
        const int compte = iconCount(copie);
        QVERIFY(compte == 0 || compte == nombreGroupes);
        for (int i = 0; i < compte; ++i) {
            const QImage icone = iconImage(copie, i);
            QVERIFY(icone.isNull() || icone.size() == QSize(32, 32));
        }
    }
}

QTEST_MAIN(TestIconesPE)
#include "tst_icones_pe.moc"
